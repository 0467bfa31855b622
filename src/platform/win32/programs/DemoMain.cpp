// Varkel游戏鼠-demo.exe: the program on a simulated mouse, with the mouse's
// panel beside the main window. Everything but the mouse is the real
// Windows platform.
#include <windows.h>

#include "app/CZUL_TavrinApp.h"
#include "app/CZUL_TavrinDlg.h"
#include "app/Program.h"
#include "app/ResourceIds.h"
#include "app/StartUp.h"
#include "device/FindDevice.h"
#include "platform/sim/SimMouse.h"
#include "platform/sim/SimMousePanel.h"
#include "platform/sim/SimMousePanelIds.h"
#include "platform/win32/Win32AppStart.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Images.h"
#include "platform/win32/Win32Ini.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MainWindowHost.h"
#include "platform/win32/Win32PointerSpeed.h"
#include "platform/win32/Win32Threads.h"
#include "platform/win32/dialog/Win32DialogHost.h"

namespace {

varkel::CZUL_TavrinApp theApp(varkel::win32::RunningExecutablePath());

// The run-button blinker belongs to the views, which this build does not
// have yet.
class NoBlinker final : public varkel::RunButtonBlinker {
 public:
  void Start() override {}
};

void RunDemo(varkel::DialogHost& dialogs) {
  namespace win32 = varkel::win32;
  win32::Win32Ini ini;
  win32::Win32Files files;
  win32::Win32Clock clock;
  win32::Win32Threads threads;
  win32::Win32Input input;
  win32::Win32PointerSpeed pointerSpeed;
  win32::Win32Images images;
  win32::Win32MainWindowHost mainWindowHost;
  NoBlinker blinker;
  varkel::sim::SimWorld world(varkel::sim::SimWorld::Time::Real);
  varkel::sim::SimMouse mouse(world);
  const varkel::Platform platform{ini,   files,  clock,  threads,        mainWindowHost, mainWindowHost, mouse,
                                  input, pointerSpeed, images, mainWindowHost, mainWindowHost, blinker};
  varkel::Program program(platform, theApp.ExeDir());

  // The panel's plug and unplug reach the main window as device changes do.
  mouse.SetNoticeObserver([&](const varkel::DeviceNotice& notice) {
    varkel::OnDeviceChange(notice, mouse, program.link, mainWindowHost);
  });

  varkel::sim::SimMousePanel panel(mouse);
  varkel::CZUL_TavrinDlg mainWindow(
      [&](const std::function<void()>& dressWindow) {
        mainWindowHost.SetWindow(reinterpret_cast<HWND>(mainWindow.AttachedWindow()->Id()));
        return varkel::StartUp(program, dressWindow);
      },
      program);
  dialogs.CreateModeless(IDD_MOUSE_PANEL, panel, nullptr);
  dialogs.RunModal(IDD_MAIN_WINDOW, mainWindow, nullptr);
  // The worker threads end with the process.
  ExitProcess(0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  varkel::win32::Win32DialogHost dialogs(instance);
  varkel::win32::Win32AppStart system([&dialogs] { RunDemo(dialogs); });
  theApp.InitInstance(system);
  return 0;
}
