#include "platform/win32/Win32MainWindowHost.h"

#include "app/AppIdentity.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Region.h"
#include "platform/win32/Win32TrayIcon.h"

namespace varkel::win32 {

void Win32MainWindowHost::ShowMessage(std::u16string_view text) {
  MessageBoxW(window_, ToWide(text).c_str(), ToWide(kAppName).c_str(), MB_OK);
}

// Safe from any thread: the window's own thread paints.
void Win32MainWindowHost::RepaintWholeWindow() {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Win32MainWindowHost::SetShape(const Region& shape) { Win32ShapedWindow(window_).SetShape(shape); }

void Win32MainWindowHost::RemoveTrayIcon() { DeleteTrayIcon(window_); }

void Win32MainWindowHost::DestroyMainWindow() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace varkel::win32
