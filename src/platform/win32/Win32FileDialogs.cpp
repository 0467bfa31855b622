#include "platform/win32/Win32FileDialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/WideText.h"

namespace varkel::win32 {
namespace {

// Room for any path the dialog can give.
constexpr DWORD kPathCapacity = 32768;

struct FlagPair {
  std::uint32_t ours;
  DWORD system;
};
constexpr FlagPair kFlags[] = {
    {file_dialog::kReadOnly, OFN_READONLY},
    {file_dialog::kOverwritePrompt, OFN_OVERWRITEPROMPT},
    {file_dialog::kHideReadOnly, OFN_HIDEREADONLY},
};

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::wstring SystemFilter(std::u16string_view filter) {
  std::wstring system = ToWide(filter);
  std::replace(system.begin(), system.end(), L'|', L'\0');
  return system;
}

DWORD SystemFlags(std::uint32_t flags) {
  DWORD system = OFN_EXPLORER | OFN_ENABLESIZING;
  for (const auto& pair : kFlags)
    if (flags & pair.ours) system |= pair.system;
  return system;
}

std::optional<std::u16string> Win32FileDialogs::Choose(const FileDialogRequest& request) {
  const std::wstring filter = SystemFilter(request.filter);
  const std::wstring folder = ToWide(request.initialFolder);
  const std::wstring extension = ToWide(request.defaultExtension);
  std::vector<wchar_t> file(kPathCapacity, L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = OrNull(filter);
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kPathCapacity;
  dialog.lpstrInitialDir = OrNull(folder);
  dialog.lpstrDefExt = OrNull(extension);
  dialog.Flags = SystemFlags(request.flags);
  const BOOL chosen =
      request.kind == FileDialogKind::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return FromWide(file.data());
}

}  // namespace varkel::win32
