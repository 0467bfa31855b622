#include "app/StartUp.h"

#include "config/ProfileStore.h"
#include "device/ApplyProfile.h"
#include "device/FindDevice.h"
#include "device/ReaderThread.h"
#include "driver/DriverThread.h"
#include "macros/MacroFile.h"
#include "skin/SkinLayoutLoader.h"

namespace varkel {
namespace {

constexpr char16_t kInsertMouseMessage[] = u"请插入【Varkel】USB鼠标";
constexpr std::uint32_t kPauseBeforeApplyMs = 5;

void StartThreads(Program& program) {
  program.status.buttonPressed.store(0);
  program.status.stopRequested.store(0);
  Threads& threads = program.platform.threads;
  threads.Start([&program] { ReaderThread(program.reader); }, ThreadPriority::Highest);
  threads.Start([&program] { DriverThread(program.driver); }, ThreadPriority::Highest);
  // The driver counts as running until the first apply, so this first
  // blinker ends at once.
  program.status.blinkerAlive.store(true);
  program.animations.Start();
}

void Run(const std::function<void()>& step) {
  if (step) step();
}

}  // namespace

bool StartUp(Program& program, const MainWindowSteps& window) {
  const Platform& p = program.platform;
  StartThreads(program);
  Run(window.dressWindow);

  program.paths = MakeAppPaths(program.exeDir);
  const SkinReader skinReader{p.ini, p.files, p.dialogs, program};
  if (!ReadMainWindowLayout(skinReader, program.paths.skinDir, program.skin)) return false;
  {
    std::lock_guard lock(program.model.lock);
    LoadCurrentProfile(p.ini, program.paths, program.model);
  }
  if (!ReadWarningLayout(skinReader, program.paths.skinDir, program.skin)) return false;
  program.regions = ShapeMainWindow(p.images, p.shapedWindow, program.paths, program.skin);

  MacroFileContext macroFiles{p.ini, p.files, p.dialogs};
  LoadMacros(macroFiles, program.paths.macroPath, program.macros);

  program.view.popupOpen = false;
  Run(window.prepareEventListMenu);
  Run(window.placeEditLine);
  Run(window.prepareTrayMenu);

  if (!FindDevice(p.hid, program.link)) {
    p.dialogs.ShowMessage(kInsertMouseMessage);
    program.ShutdownDriver();
    return false;
  }
  p.clock.SleepMs(kPauseBeforeApplyMs);
  ApplyProfile(program.device);
  return true;
}

}  // namespace varkel
