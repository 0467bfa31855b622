// Varkel游戏鼠-demo.exe: the program on a simulated mouse, with the mouse's
// panel beside the main window. Everything but the mouse is the real
// Windows platform.
#include <windows.h>

#include "app/CZUL_TavrinApp.h"
#include "device/FindDevice.h"
#include "platform/sim/SimMouse.h"
#include "platform/sim/SimMousePanel.h"
#include "platform/sim/SimMousePanelIds.h"
#include "platform/win32/Win32AppStart.h"
#include "platform/win32/programs/WindowsProgram.h"

namespace {

varkel::CZUL_TavrinApp theApp(varkel::win32::RunningExecutablePath());

void RunDemo(varkel::DialogHost& dialogs) {
  varkel::win32::WindowsAdapters adapters(theApp.AppName());
  varkel::sim::SimWorld world(varkel::sim::SimWorld::Time::Real);
  varkel::sim::SimMouse mouse(world);
  varkel::Program program(adapters.With(mouse), theApp.ExeDir());

  // The panel's plug and unplug reach the main window as device changes do.
  mouse.SetNoticeObserver([&](const varkel::DeviceNotice& notice) {
    varkel::OnDeviceChange(notice, mouse, program.link, adapters.mainWindow);
  });

  varkel::sim::SimMousePanel panel(mouse);
  dialogs.CreateModeless(IDD_MOUSE_PANEL, panel, nullptr);
  varkel::win32::RunMainWindow(dialogs, program, adapters, [](HWND) {}, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  varkel::win32::Win32DialogHost dialogs(instance);
  varkel::win32::Win32AppStart system([&dialogs] { RunDemo(dialogs); });
  theApp.InitInstance(system);
  return 0;
}
