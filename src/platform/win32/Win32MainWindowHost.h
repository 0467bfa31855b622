#pragma once
// What the program asks of its main window on Windows: message boxes owned
// by it, repaints, its shape, the notification-area icon's removal and the
// window's end. The window is known from its initialisation on.
#include <windows.h>

#include "device/DeviceHost.h"
#include "platform/Dialogs.h"
#include "platform/Repaint.h"
#include "platform/WindowShape.h"

namespace varkel::win32 {

class Win32MainWindowHost final : public Dialogs,
                                  public RepaintRequests,
                                  public ShapedWindow,
                                  public MainWindowHost {
 public:
  void SetWindow(HWND window) { window_ = window; }

  void ShowMessage(std::u16string_view text) override;
  void RepaintWholeWindow() override;
  void SetShape(const Region& shape) override;
  void RemoveTrayIcon() override;
  void DestroyMainWindow() override;

 private:
  HWND window_ = nullptr;
};

}  // namespace varkel::win32
