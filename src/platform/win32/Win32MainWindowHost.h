#pragma once
// What the program asks of its main window on Windows: message boxes owned
// by it, repaints, its shape, the notification-area icon's removal and the
// window's end. The window is known from its initialisation on.
#include <windows.h>

#include <atomic>
#include <string>

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
  // caption: the application's name, on every message box.
  explicit Win32MainWindowHost(std::u16string caption) : caption_(std::move(caption)) {}

  void SetWindow(HWND window) { window_.store(window); }

  void ShowMessage(std::u16string_view text) override;
  void RepaintWholeWindow() override;
  void SetShape(const Region& shape) override;
  void RemoveTrayIcon() override;
  void DestroyMainWindow() override;

 private:
  // Worker threads read it (repaint requests, the colour-picker message)
  // while the interface thread may clear it: each use reads it once, whole.
  // A null handle must never reach InvalidateRect, which would repaint
  // every window on the desktop.
  std::atomic<HWND> window_{nullptr};
  const std::u16string caption_;
};

}  // namespace varkel::win32
