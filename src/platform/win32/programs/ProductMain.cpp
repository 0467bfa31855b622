// Varkel游戏鼠.exe: the application object and the process's way in. The
// whole program on the Windows platform, talking to the real mouse.
#include <windows.h>

#include "app/CZUL_TavrinApp.h"
#include "device/FindDevice.h"
#include "platform/win32/Win32AppStart.h"
#include "platform/win32/Win32Hid.h"
#include "platform/win32/programs/WindowsProgram.h"

namespace {

// Made before any other code of the program runs, as the process loads.
varkel::CZUL_TavrinApp theApp(varkel::win32::RunningExecutablePath());

void RunProduct(varkel::DialogHost& dialogs) {
  varkel::win32::WindowsAdapters adapters(theApp.AppName());
  varkel::win32::Win32HidBus mouse;
  varkel::Program program(adapters.With(mouse), theApp.ExeDir());
  varkel::win32::RunMainWindow(
      dialogs, program, adapters,
      // The search registers this window for the mouse's arrival and removal.
      [&](HWND window) { mouse.SetNotifyWindow(window); },
      [&](std::uintptr_t event, std::intptr_t data) {
        return varkel::OnDeviceChangeMessage(event, data, mouse, program.link, adapters.mainWindow);
      });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  varkel::win32::Win32DialogHost dialogs(instance);
  varkel::win32::Win32AppStart system([&dialogs] { RunProduct(dialogs); });
  theApp.InitInstance(system);
  return 0;
}
