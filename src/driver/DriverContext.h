#pragma once
// What the driver thread and macro playback work on, passed by reference.
#include <functional>
#include <mutex>

#include "config/AppPaths.h"
#include "config/MouseProfile.h"
#include "device/DriverStatus.h"
#include "macros/MacroTable.h"
#include "platform/Clock.h"
#include "platform/Ini.h"
#include "platform/Input.h"
#include "platform/Repaint.h"
#include "platform/Threads.h"

namespace varkel {

struct DriverContext {
  DriverStatus& status;
  ProfileModel& model;
  MacroTable& macros;
  DesktopInput& input;
  Clock& clock;
  Threads& threads;
  Wakeup& wakeup;  // raised by the reader after it hands over a press or a stop
  IniFiles& ini;
  const AppPaths& paths;
  RepaintRequests& repaint;
  // The mouse link's operations. sendDpiReport takes model.lock itself;
  // applyProfile is called with model.lock held, as `held` (profile cycling
  // loads and applies under one hold), and lets go of it before it reaches
  // other windows (ApplyProfile).
  std::function<void()> sendDpiReport;
  std::function<void(std::unique_lock<WatchedMutex>& held)> applyProfile;
};

}  // namespace varkel
