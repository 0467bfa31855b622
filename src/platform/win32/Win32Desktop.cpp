#include "platform/win32/Win32Desktop.h"

#include "app/ResourceIds.h"
#include "platform/win32/Win32TrayIcon.h"

namespace varkel::win32 {

void Win32Desktop::AddTrayIcon() { win32::AddTrayIcon(window_); }

ScreenPoint Win32Desktop::PointerPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

void Win32Desktop::BringMainWindowToForeground() { SetForegroundWindow(window_); }

std::intptr_t Win32Desktop::DragIcon() {
  return reinterpret_cast<std::intptr_t>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)));
}

}  // namespace varkel::win32
