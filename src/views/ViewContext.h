#pragma once
// Everything the main window's views reach: the records they show and change,
// and the operations of the layers below. The program owns each record; the
// views get them through here.
#include <functional>

#include "config/AppPaths.h"
#include "config/MouseProfile.h"
#include "device/DeviceContext.h"
#include "device/DriverStatus.h"
#include "macros/MacroTable.h"
#include "platform/Desktop.h"
#include "platform/FileDialogs.h"
#include "platform/Ini.h"
#include "platform/Repaint.h"
#include "skin/SkinLayout.h"
#include "skin/WindowShapes.h"
#include "views/Animations.h"
#include "views/PictureCache.h"
#include "views/ViewState.h"

namespace varkel {

struct ViewContext {
  ViewState& view;
  const SkinLayout& skin;
  const MainWindowRegions& regions;
  ProfileModel& model;
  DriverStatus& status;
  MacroTable& macros;
  const AppPaths& paths;
  IniFiles& ini;
  DeviceContext& device;
  RepaintRequests& repaint;
  PictureCache& pictures;
  AnimationThreads& animations;
  Desktop& desktop;          // the notification-area icon
  FileDialogs& fileDialogs;  // profile exchange files
  // The restore element: the shipped profiles and macros back, then applied
  // (the program's RestoreDefaults, which reaches beyond the views).
  std::function<void()> restoreDefaults;
};

}  // namespace varkel
