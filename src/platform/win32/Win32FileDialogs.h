#pragma once
// The common open and save dialogs (comdlg32), owned by the main window.
#include <windows.h>

#include <string>

#include "platform/FileDialogs.h"

namespace varkel::win32 {

class Win32FileDialogs final : public FileDialogs {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<std::u16string> Choose(const FileDialogRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

// "All Files(*.ini)|*.ini||" as the system takes it: each '|' a NUL.
std::wstring SystemFilter(std::u16string_view filter);
// The request's options as the system's flags, the explorer style added.
DWORD SystemFlags(std::uint32_t flags);

}  // namespace varkel::win32
