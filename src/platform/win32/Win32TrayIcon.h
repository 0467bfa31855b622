#pragma once
// The program's notification-area icon (app/TrayIcon.h), added for and
// removed from the main window.
#include <windows.h>

namespace varkel::win32 {

void AddTrayIcon(HWND mainWindow);
void DeleteTrayIcon(HWND mainWindow);

}  // namespace varkel::win32
