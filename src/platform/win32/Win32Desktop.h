#pragma once
// The desktop around the main window on Windows: its notification-area
// icon, the pointer, the foreground, the drag icon. The window is known from
// its initialisation on.
#include <windows.h>

#include "platform/Desktop.h"

namespace varkel::win32 {

class Win32Desktop final : public Desktop {
 public:
  void SetWindow(HWND window) { window_ = window; }

  void AddTrayIcon() override;
  ScreenPoint PointerPosition() override;
  void BringMainWindowToForeground() override;
  std::intptr_t DragIcon() override;

 private:
  HWND window_ = nullptr;
};

}  // namespace varkel::win32
