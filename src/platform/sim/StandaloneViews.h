#pragma once
// The main window's views on their own: the records they show and change,
// with quiet stand-ins for the rest of the program (no mouse, no messages,
// repaint requests counted, virtual time for the animation threads). For
// what paints or clicks without the whole program: unit tests, the paint
// benchmark, the skin fuzz target.
#include <atomic>

#include "platform/sim/ScriptedFileDialogs.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPointerSpeed.h"
#include "platform/sim/SimThreads.h"
#include "platform/sim/SimWindow.h"
#include "views/MainWindowView.h"

namespace varkel::sim {

class CountingRepaint final : public RepaintRequests {
 public:
  void RepaintWholeWindow() override { ++count; }
  std::atomic<int> count{0};
};

class NoDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view) override {}
};

struct StandaloneViews {
  // Pictures come from `pictureFiles`, kept between paints when keepPictures;
  // config.ini is read and written through `ini`.
  StandaloneViews(Pictures& pictureFiles, IniFiles& ini, bool keepPictures = true)
      : pictures(pictureFiles, keepPictures), iniFiles(ini) {}
  StandaloneViews(const StandaloneViews&) = delete;
  StandaloneViews& operator=(const StandaloneViews&) = delete;
  ~StandaloneViews() { threads.StopAll(); }

  SimWorld world{SimWorld::Time::Virtual};
  SimClock clock{world};
  SimThreads threads{world};
  CountingRepaint repaint;
  NoDialogs dialogs;
  SimPointerSpeed pointerSpeed{world, 10};
  SimDesktop desktop;
  ScriptedFileDialogs fileDialogs;  // cancelled unless answers are queued
  PictureCache pictures;
  IniFiles& iniFiles;

  ViewState view;
  SkinLayout skin;
  MainWindowRegions regions;
  ProfileModel model;
  DriverStatus status;
  MacroTable macros;
  DeviceLink link;
  AppPaths paths = MakeAppPaths(u"C:\\app");
  AnimationThreads animations{{view, status, model, clock, threads, repaint}};
  DeviceContext device{link, status, model, iniFiles, paths, dialogs, repaint, pointerSpeed, animations};
  ViewContext ctx{view,     skin,       regions,    model,   status,      macros, paths, iniFiles,
                  device,   repaint,    pictures,   animations, desktop, fileDialogs, {}};
  MainWindowView views{ctx};
  SimWindow window;
};

}  // namespace varkel::sim
