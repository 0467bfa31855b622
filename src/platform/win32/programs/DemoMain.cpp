// Varkel游戏鼠-demo.exe: the program on a simulated mouse, with the mouse's
// panel beside the main window.
#include <windows.h>

#include "app/CZUL_TavrinApp.h"
#include "app/CZUL_TavrinDlg.h"
#include "app/ResourceIds.h"
#include "platform/sim/SimMouse.h"
#include "platform/sim/SimMousePanel.h"
#include "platform/sim/SimMousePanelIds.h"
#include "platform/win32/Win32AppStart.h"
#include "platform/win32/dialog/Win32DialogHost.h"

namespace {

varkel::CZUL_TavrinApp theApp(varkel::win32::RunningExecutablePath());

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  varkel::sim::SimWorld world(varkel::sim::SimWorld::Time::Real);
  varkel::sim::SimMouse mouse(world);
  varkel::win32::Win32DialogHost dialogs(instance);
  varkel::win32::Win32AppStart system([&] {
    varkel::sim::SimMousePanel panel(mouse);
    varkel::CZUL_TavrinDlg mainWindow;
    dialogs.CreateModeless(IDD_MOUSE_PANEL, panel, nullptr);
    dialogs.RunModal(IDD_MAIN_WINDOW, mainWindow, nullptr);
  });
  theApp.InitInstance(system);
  return 0;
}
