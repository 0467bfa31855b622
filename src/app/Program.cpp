#include "app/Program.h"

#include "config/ProfileStore.h"
#include "device/ApplyProfile.h"
#include "device/FeatureReports.h"

namespace varkel {
namespace {
constexpr std::uint8_t kAltKey = 0x12;
constexpr int kAltReleases = 6;
}  // namespace

Program::Program(const Platform& p, std::u16string dir)
    : platform(p),
      exeDir(std::move(dir)),
      driverWakeup(p.threads.MakeWakeup()),
      device{link, status, model, p.ini, paths, p.dialogs, p.repaint, p.pointerSpeed, p.blinker},
      reader{link, status, model, p.repaint, p.clock, p.threads, *driverWakeup},
      driver{status, model, macros, p.input, p.clock, p.threads, *driverWakeup, p.ini, paths,
             p.repaint,
             [this] {
               std::lock_guard lock(model.lock);
               SendDpiReport(link, model);
             },
             [this](std::unique_lock<WatchedMutex>& held) { ApplyProfile(device, held); }} {}

void Program::ShutdownDriver() {
  // The driver and macros press and release Alt; none may be left down.
  for (int i = 0; i < kAltReleases; ++i) platform.input.SendKey({kAltKey, 0, false, true});
  platform.window.RemoveTrayIcon();
  SendExitReport(link, platform.pointerSpeed);
  platform.window.DestroyMainWindow();
}

void Program::Apply() { ApplyProfile(device); }

void Program::SaveCurrentProfile() {
  {
    std::lock_guard lock(model.lock);
    SaveProfile(platform.ini, paths.configPath, model.currentProfile, model);
  }
  platform.repaint.RepaintWholeWindow();
}

void Program::ChooseProfile(std::int32_t n) {
  {
    std::lock_guard lock(model.lock);
    model.currentProfile = n;
    LoadProfile(platform.ini, paths.configPath, n, false, model);
  }
  platform.repaint.RepaintWholeWindow();
}

}  // namespace varkel
