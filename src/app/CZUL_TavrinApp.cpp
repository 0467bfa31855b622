#include "app/CZUL_TavrinApp.h"

#include "app/AppIdentity.h"

namespace varkel {

CZUL_TavrinApp::CZUL_TavrinApp(std::u16string_view exePath)
    : exeDir_(ExeDirOf(exePath)), appName_(AppNameOf(exePath)) {}

bool CZUL_TavrinApp::InitInstance(AppStart& system) {
  if (system.CreateInstanceMutex(kInstanceMutexName)) {
    // The first copy may still be starting and have no title yet: then
    // nothing is shown, and this copy ends all the same.
    if (const WindowId running = system.FindMainWindow(kAppName)) system.RestoreWindow(running);
    system.CloseInstanceMutex();
    return false;
  }
  // The mutex handle stays open until the process ends.
  system.InitCommonControls();
  system.RunMainWindow();
  return false;
}

}  // namespace varkel
