#pragma once
// What applying a profile and closing the link reach for.
#include "config/AppPaths.h"
#include "config/MouseProfile.h"
#include "device/DeviceHost.h"
#include "device/DeviceLink.h"
#include "device/DriverStatus.h"
#include "platform/Dialogs.h"
#include "platform/Ini.h"
#include "platform/PointerSpeed.h"
#include "platform/Repaint.h"

namespace varkel {

struct DeviceContext {
  DeviceLink& link;
  DriverStatus& status;
  ProfileModel& model;
  IniFiles& ini;
  const AppPaths& paths;
  Dialogs& dialogs;
  RepaintRequests& repaint;
  PointerSpeed& pointerSpeed;
  RunButtonBlinker& blinker;
};

}  // namespace varkel
