// Varkel游戏鼠.exe: the application object and the process's way in.
#include <windows.h>

#include "app/CZUL_TavrinApp.h"
#include "app/CZUL_TavrinDlg.h"
#include "app/ResourceIds.h"
#include "platform/win32/Win32AppStart.h"
#include "platform/win32/dialog/Win32DialogHost.h"

namespace {

// Made before any other code of the program runs, as the process loads.
varkel::CZUL_TavrinApp theApp(varkel::win32::RunningExecutablePath());

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  varkel::win32::Win32DialogHost dialogs(instance);
  varkel::win32::Win32AppStart system([&dialogs] {
    varkel::CZUL_TavrinDlg mainWindow;
    dialogs.RunModal(IDD_MAIN_WINDOW, mainWindow, nullptr);
  });
  theApp.InitInstance(system);
  return 0;
}
