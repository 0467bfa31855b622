#include "platform/win32/Win32TrayIcon.h"

#include <shellapi.h>

#include <algorithm>

#include "app/AppIdentity.h"
#include "app/ResourceIds.h"
#include "app/TrayIcon.h"
#include "platform/win32/WideText.h"

namespace varkel::win32 {
namespace {

// The full-size structure; the system tells the icon by window and id.
NOTIFYICONDATAW IconOf(HWND mainWindow) {
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = mainWindow;
  icon.uID = kTrayIconId;
  return icon;
}

}  // namespace

void AddTrayIcon(HWND mainWindow) {
  NOTIFYICONDATAW icon = IconOf(mainWindow);
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallbackMessage;
  icon.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
  const std::wstring tip = ToWide(kAppName);
  std::copy_n(tip.begin(), std::min<std::size_t>(tip.size(), std::size(icon.szTip) - 1), icon.szTip);
  Shell_NotifyIconW(NIM_ADD, &icon);
}

void DeleteTrayIcon(HWND mainWindow) {
  NOTIFYICONDATAW icon = IconOf(mainWindow);
  Shell_NotifyIconW(NIM_DELETE, &icon);
}

}  // namespace varkel::win32
