#include "platform/win32/Win32AppStart.h"

#include <commctrl.h>

#include <cwchar>

#include "platform/win32/WideText.h"

namespace varkel::win32 {

std::u16string RunningExecutablePath() {
  wchar_t path[260] = {};
  GetModuleFileNameW(nullptr, path, 260);
  // Up to the terminating zero; a path cut at 260 characters is taken as it is.
  return FromWide(std::wstring_view(path, wcsnlen(path, 260)));
}

HWND FindMainWindow(std::u16string_view title) {
  const std::wstring wideTitle = ToWide(title);
  for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, wideTitle.c_str()); window;
       window = FindWindowExW(nullptr, window, nullptr, wideTitle.c_str())) {
    if (!GetWindow(window, GW_OWNER)) return window;
  }
  return nullptr;
}

bool Win32AppStart::CreateInstanceMutex(std::u16string_view name) {
  const std::wstring wideName = ToWide(name);
  mutex_ = CreateMutexW(nullptr, FALSE, wideName.c_str());
  // Read at once: anything in between (freeing a temporary name) may change it.
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

void Win32AppStart::CloseInstanceMutex() {
  if (mutex_) CloseHandle(mutex_);
  mutex_ = nullptr;
}

WindowId Win32AppStart::FindMainWindow(std::u16string_view title) {
  return reinterpret_cast<WindowId>(win32::FindMainWindow(title));
}

void Win32AppStart::RestoreWindow(WindowId window) { ShowWindow(reinterpret_cast<HWND>(window), SW_RESTORE); }

void Win32AppStart::InitCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);  // 8
  controls.dwICC = ICC_WIN95_CLASSES;  // 0xFF
  InitCommonControlsEx(&controls);
}

}  // namespace varkel::win32
