#pragma once
// What the product and the demo share: the Windows adapters of every
// platform interface but the mouse, and the run of the main window.
#include <windows.h>

#include <functional>
#include <string>

#include "app/CZUL_TavrinDlg.h"
#include "app/Program.h"
#include "app/ResourceIds.h"
#include "app/StartUp.h"
#include "platform/win32/Win32Canvas.h"
#include "platform/win32/Win32ControlColours.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Images.h"
#include "platform/win32/Win32Ini.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MainWindowHost.h"
#include "platform/win32/Win32Menus.h"
#include "platform/win32/Win32PointerSpeed.h"
#include "platform/win32/Win32Threads.h"
#include "platform/win32/Win32TimerThrottling.h"
#include "platform/win32/dialog/Win32DialogHost.h"

namespace varkel::win32 {

struct WindowsAdapters {
  // appName: the caption of the program's message boxes.
  explicit WindowsAdapters(std::u16string appName) : mainWindow(std::move(appName)) {}

  Win32Ini ini;
  Win32Files files;
  Win32Clock clock;
  Win32Threads threads;
  Win32Input input;
  Win32PointerSpeed pointerSpeed;
  Win32Images images;
  Win32Pictures pictures{images};
  Win32MainWindowHost mainWindow;
  Win32Desktop desktop;
  Win32FileDialogs fileDialogs;
  Win32Menus menus{GetModuleHandleW(nullptr)};
  Win32ControlColours controlColours;

  Platform With(HidBus& mouse) {
    return {ini,   files,        clock,  threads,  mainWindow, mainWindow, mouse,
            input, pointerSpeed, images, pictures, mainWindow, mainWindow, desktop, fileDialogs};
  }
};

constexpr std::uint32_t kExitNewsWaitMs = 1000;

// Runs the program's main window modally, then ends the process: the worker
// threads must not outlive the records they use. windowKnown runs first in
// the window's initialisation, with the window's handle.
[[noreturn]] inline void RunMainWindow(DialogHost& dialogs, Program& program, WindowsAdapters& adapters,
                                       const std::function<void(HWND)>& windowKnown,
                                       CZUL_TavrinDlg::DeviceChangeHandler onDeviceChange) {
  // Macros keep their millisecond steps while the window sits hidden.
  KeepTimerResolutionWhileHidden();
  CZUL_TavrinDlg mainWindow(
      [&](const MainWindowSteps& steps) {
        const auto window = reinterpret_cast<HWND>(mainWindow.AttachedWindow()->Id());
        adapters.mainWindow.SetWindow(window);
        adapters.desktop.SetWindow(window);
        adapters.fileDialogs.SetOwner(window);
        windowKnown(window);
        return StartUp(program, steps);
      },
      program, &program.views);
  if (onDeviceChange) mainWindow.SetDeviceChangeHandler(std::move(onDeviceChange));
  mainWindow.SetShell({adapters.desktop, adapters.mainWindow, adapters.menus, dialogs, adapters.controlColours,
                       [&program] { program.Apply(); }});
  dialogs.RunModal(IDD_MAIN_WINDOW, mainWindow, nullptr);
  // The exit set the pointer speed back; other programs are told before the
  // process ends, unless a frozen window keeps the news for long.
  adapters.pointerSpeed.WaitUntilTold(kExitNewsWaitMs);
  ExitProcess(0);
}

}  // namespace varkel::win32
