#include "app/Program.h"

#include "app/RestoreDefaults.h"
#include "device/ApplyProfile.h"
#include "device/FeatureReports.h"
#include "views/MainPageCommands.h"

namespace varkel {
namespace {
constexpr std::uint8_t kAltKey = 0x12;
constexpr int kAltReleases = 6;
}  // namespace

Program::Program(const Platform& p, std::u16string dir)
    : platform(p),
      exeDir(std::move(dir)),
      pictures(p.pictures),
      animations({view, status, model, p.clock, p.threads, p.repaint}),
      driverWakeup(p.threads.MakeWakeup()),
      device{link, status, model, p.ini, paths, p.dialogs, p.repaint, p.pointerSpeed, animations},
      reader{link, status, model, p.repaint, p.clock, p.threads, *driverWakeup},
      driver{status, model, macros, p.input, p.clock, p.threads, *driverWakeup, p.ini, paths,
             p.repaint,
             [this] {
               std::lock_guard lock(model.lock);
               SendDpiReport(link, model);
             },
             [this](std::unique_lock<WatchedMutex>& held) { ApplyProfile(device, held); }},
      views{view,      skin,       regions,   model,     status,        macros,
            paths,     p.ini,      device,    p.repaint, pictures,      animations,
            p.desktop, p.fileDialogs, [this] { RestoreDefaults(); }} {}

void Program::ShutdownDriver() {
  // The driver and macros press and release Alt; none may be left down.
  for (int i = 0; i < kAltReleases; ++i) platform.input.SendKey({kAltKey, 0, false, true});
  platform.window.RemoveTrayIcon();
  SendExitReport(link, platform.pointerSpeed);
  platform.window.DestroyMainWindow();
}

void Program::Apply() { ApplyProfile(device); }

void Program::SaveCurrentProfile() { SaveWorkingProfile(views); }

void Program::ChooseProfile(std::int32_t n) { varkel::ChooseProfile(views, n); }

void Program::RestoreDefaults() {
  MacroFileContext macroFiles{platform.ini, platform.files, platform.dialogs};
  varkel::RestoreDefaults(device, macroFiles, macros, refreshMacroPage);
}

}  // namespace varkel
