#pragma once
// The common open and save dialogs, modal and owned by the main window, for
// the profile and macro exchange files.
#include <cstdint>
#include <optional>
#include <string>

namespace varkel {

enum class FileDialogKind { Open, Save };

// The dialog's options, by the numbers the system gives them.
namespace file_dialog {
inline constexpr std::uint32_t kReadOnly = 0x1;         // the read-only box starts ticked
inline constexpr std::uint32_t kOverwritePrompt = 0x2;  // asks before an existing file is chosen to save
inline constexpr std::uint32_t kHideReadOnly = 0x4;     // no read-only box
}  // namespace file_dialog

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  // Pairs of description and pattern, each part ended by '|', the list by a
  // second '|': "All Files(*.ini)|*.ini||".
  std::u16string filter;
  std::uint32_t flags = 0;
  // Appended (after a dot) to a typed name without an extension; empty: none.
  std::u16string defaultExtension;
  // The folder the dialog starts in (a Windows path). No initial file name.
  std::u16string initialFolder;
  bool operator==(const FileDialogRequest&) const = default;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The full Windows path the user chose; nothing when they cancelled.
  virtual std::optional<std::u16string> Choose(const FileDialogRequest& request) = 0;
};

}  // namespace varkel
