// Varkel游戏鼠.exe: the application object and the process's way in. The
// whole program on the Windows platform, talking to the real mouse.
#include <windows.h>

#include "app/CZUL_TavrinApp.h"
#include "app/CZUL_TavrinDlg.h"
#include "app/Program.h"
#include "app/ResourceIds.h"
#include "app/StartUp.h"
#include "device/FindDevice.h"
#include "platform/win32/Win32AppStart.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Hid.h"
#include "platform/win32/Win32Images.h"
#include "platform/win32/Win32Ini.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MainWindowHost.h"
#include "platform/win32/Win32PointerSpeed.h"
#include "platform/win32/Win32Threads.h"
#include "platform/win32/dialog/Win32DialogHost.h"

namespace {

// Made before any other code of the program runs, as the process loads.
varkel::CZUL_TavrinApp theApp(varkel::win32::RunningExecutablePath());

// The run-button blinker belongs to the views, which this build does not
// have yet.
class NoBlinker final : public varkel::RunButtonBlinker {
 public:
  void Start() override {}
};

void RunProgram(varkel::DialogHost& dialogs) {
  namespace win32 = varkel::win32;
  win32::Win32Ini ini;
  win32::Win32Files files;
  win32::Win32Clock clock;
  win32::Win32Threads threads;
  win32::Win32Input input;
  win32::Win32PointerSpeed pointerSpeed;
  win32::Win32Images images;
  win32::Win32MainWindowHost mainWindowHost;
  win32::Win32HidBus hid;
  NoBlinker blinker;
  const varkel::Platform platform{ini,   files,        clock,  threads,        mainWindowHost, mainWindowHost, hid,
                                  input, pointerSpeed, images, mainWindowHost, mainWindowHost, blinker};
  varkel::Program program(platform, theApp.ExeDir());

  varkel::CZUL_TavrinDlg mainWindow(
      [&](const std::function<void()>& dressWindow) {
        const auto window = reinterpret_cast<HWND>(mainWindow.AttachedWindow()->Id());
        mainWindowHost.SetWindow(window);
        // The search registers for the mouse's arrival and removal here.
        hid.SetNotifyWindow(window);
        return varkel::StartUp(program, dressWindow);
      },
      program);
  mainWindow.SetDeviceChangeHandler([&](std::uintptr_t event, std::intptr_t data) {
    return varkel::OnDeviceChangeMessage(event, data, hid, program.link, mainWindowHost);
  });
  dialogs.RunModal(IDD_MAIN_WINDOW, mainWindow, nullptr);
  // The worker threads end with the process.
  ExitProcess(0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  varkel::win32::Win32DialogHost dialogs(instance);
  varkel::win32::Win32AppStart system([&dialogs] { RunProgram(dialogs); });
  theApp.InitInstance(system);
  return 0;
}
