#include "platform/win32/Win32Input.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace varkel::win32 {

void Win32Input::SendKey(const KeyEvent& key) {
  DWORD flags = 0;
  if (key.extended) flags |= KEYEVENTF_EXTENDEDKEY;
  if (key.keyUp) flags |= KEYEVENTF_KEYUP;
  keybd_event(key.virtualKey, key.scanCode, flags, 0);
}

void Win32Input::SendMouseButton(MouseButton button, bool down) {
  DWORD flags = 0;
  switch (button) {
    case MouseButton::Left: flags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP; break;
    case MouseButton::Right: flags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP; break;
    case MouseButton::Middle: flags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP; break;
  }
  mouse_event(flags, 0, 0, 0, 0);
}

std::uint32_t Win32Input::ScanCodeOf(std::uint8_t virtualKey) {
  return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

void Win32Input::OpenComputerFolder() {
  ShellExecuteW(nullptr, nullptr, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", nullptr, nullptr,
                SW_SHOWNORMAL);
}

void Win32Input::LockWorkstation() { ::LockWorkStation(); }

void Win32Input::StartProgram(std::string_view commandLine) {
  const std::string line(commandLine);
  WinExec(line.c_str(), SW_SHOW);
}

}  // namespace varkel::win32
