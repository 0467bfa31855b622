#include "platform/win32/Win32MainWindowHost.h"

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Region.h"
#include "platform/win32/Win32TrayIcon.h"

namespace varkel::win32 {

void Win32MainWindowHost::ShowMessage(std::u16string_view text) {
  MessageBoxW(window_.load(), ToWide(text).c_str(), ToWide(caption_).c_str(), MB_OK);
}

// Safe from any thread: the window's own thread paints.
void Win32MainWindowHost::RepaintWholeWindow() {
  if (HWND window = window_.load()) InvalidateRect(window, nullptr, FALSE);
}

void Win32MainWindowHost::SetShape(const Region& shape) { Win32ShapedWindow(window_.load()).SetShape(shape); }

void Win32MainWindowHost::RemoveTrayIcon() { DeleteTrayIcon(window_.load()); }

// Cleared first: a repaint asked for meanwhile finds no window rather than a
// dying one.
void Win32MainWindowHost::DestroyMainWindow() {
  if (HWND window = window_.exchange(nullptr)) DestroyWindow(window);
}

}  // namespace varkel::win32
