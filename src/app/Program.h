#pragma once
// The whole program: one of each record, the platform it runs on, and the
// contexts through which its parts reach them. The Windows program and the
// simulated one are the same Program on different platforms.
#include <functional>
#include <memory>
#include <string>

#include "config/AppPaths.h"
#include "platform/Shutdown.h"
#include "config/MouseProfile.h"
#include "device/DeviceContext.h"
#include "device/DeviceHost.h"
#include "device/DeviceLink.h"
#include "device/DriverStatus.h"
#include "device/ReaderThread.h"
#include "driver/DriverContext.h"
#include "macros/MacroTable.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/Hid.h"
#include "platform/Images.h"
#include "platform/Ini.h"
#include "platform/Canvas.h"
#include "platform/Input.h"
#include "platform/PointerSpeed.h"
#include "platform/Repaint.h"
#include "platform/Threads.h"
#include "platform/WindowShape.h"
#include "skin/SkinLayout.h"
#include "skin/WindowShapes.h"
#include "views/Animations.h"
#include "views/PictureCache.h"
#include "views/ViewContext.h"
#include "views/ViewState.h"

namespace varkel {

// Every platform interface the program uses.
struct Platform {
  IniFiles& ini;
  Files& files;
  Clock& clock;
  Threads& threads;
  Dialogs& dialogs;
  RepaintRequests& repaint;
  HidBus& hid;
  DesktopInput& input;
  PointerSpeed& pointerSpeed;
  Images& images;
  Pictures& pictures;  // skin images in the form painting copies from
  ShapedWindow& shapedWindow;
  MainWindowHost& window;  // notification-area icon, the main window's end
  Desktop& desktop;        // the icon added, the pointer, the foreground
  FileDialogs& fileDialogs;
};

class Program final : public Shutdown {
 public:
  Program(const Platform& platform, std::u16string exeDir);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The exit sequence: Alt released, icon removed, the driver-exit report and
  // the pointer speed back to 10, the main window destroyed.
  void ShutdownDriver() override;

  // What the main page's elements do to the working profile.
  void Apply();                         // the apply element
  void SaveCurrentProfile();            // the save element
  void ChooseProfile(std::int32_t n);   // a profile button: load, no write
  void RestoreDefaults();               // the restore element

  // Set by the macro page: when the advanced page is shown, it lists the
  // macros a restore has just loaded and repaints the window. Empty while
  // there is no such page.
  std::function<void()> refreshMacroPage;

  const Platform platform;
  const std::u16string exeDir;
  AppPaths paths;
  ProfileModel model;
  DriverStatus status;
  DeviceLink link;
  MacroTable macros;
  SkinLayout skin;
  MainWindowRegions regions;
  ViewState view;
  PictureCache pictures;
  AnimationThreads animations;  // the run-button blinker and the LED preview
  std::unique_ptr<Wakeup> driverWakeup;
  DeviceContext device;
  ReaderContext reader;
  DriverContext driver;
  ViewContext views;
};

}  // namespace varkel
