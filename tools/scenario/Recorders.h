#pragma once
// The harness's recording stand-ins for what the window and the system
// show: message boxes (answered OK at once), repaints, the notification-area
// icon and the main window's end.
#include <atomic>
#include <functional>
#include <string>

#include "Transcript.h"
#include "platform/portable/Utf8Text.h"
#include "platform/Shutdown.h"
#include "device/DeviceHost.h"
#include "platform/Dialogs.h"
#include "platform/Repaint.h"
#include "platform/sim/SimWorld.h"

namespace varkel::scenario {

// Writes one transcript line at the world's current time.
class Recorder {
 public:
  Recorder(sim::SimWorld& world, Transcript& transcript) : world_(world), transcript_(transcript) {}
  void Line(std::string text) { transcript_.Add(world_.NowUs(), std::move(text)); }

 private:
  sim::SimWorld& world_;
  Transcript& transcript_;
};

class RecordingDialogs final : public Dialogs {
 public:
  explicit RecordingDialogs(Recorder& recorder) : recorder_(recorder) {}
  void ShowMessage(std::u16string_view text) override { recorder_.Line("msgbox " + ToUtf8(text)); }

 private:
  Recorder& recorder_;
};

class RecordingRepaint final : public RepaintRequests {
 public:
  explicit RecordingRepaint(Recorder& recorder) : recorder_(recorder) {}
  void RepaintWholeWindow() override { recorder_.Line("repaint"); }

 private:
  Recorder& recorder_;
};

class RecordingWindow final : public MainWindowHost {
 public:
  explicit RecordingWindow(Recorder& recorder) : recorder_(recorder) {}
  void RemoveTrayIcon() override { recorder_.Line("tray remove"); }
  void DestroyMainWindow() override {
    recorder_.Line("window destroy");
    destroyed_ = true;
  }
  bool Destroyed() const { return destroyed_; }

 private:
  Recorder& recorder_;
  std::atomic<bool> destroyed_{false};
};

}  // namespace varkel::scenario
