#pragma once
// The driver thread on virtual time, with a recording desktop: presses are
// handed over as the reader thread hands them over.
#include <gtest/gtest.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "driver/DriverThread.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimRepaint.h"
#include "platform/sim/SimThreads.h"
#include "unit/support/MemoryIni.h"

namespace varkel::testing_support {

struct DriverRig {
  sim::SimWorld world{sim::SimWorld::Time::Virtual};
  sim::SimClock clock{world};
  sim::SimInput input{world};
  MemoryIni ini;
  sim::SimRepaint repaint{world};
  DriverStatus status;
  ProfileModel model;
  MacroTable macros;
  AppPaths paths = MakeAppPaths(u"C:\\app");
  std::mutex callsLock;
  std::vector<std::string> calls;  // the mouse link's operations, in order
  sim::SimThreads threads{world};
  std::unique_ptr<Wakeup> wakeup = threads.MakeWakeup();
  DriverContext ctx{status, model, macros, input, clock, threads, *wakeup, ini, paths, repaint,
                    [this] { Call("dpi-report " + std::to_string(LevelNow())); },
                    [this](std::unique_lock<WatchedMutex>& held) {
                      EXPECT_TRUE(held.owns_lock());
                      Call("apply " + std::to_string(model.currentProfile));
                    }};

  DriverRig() {
    world.WatchLock(model.lock);
    world.OnWatchedLockHeld([](const std::string& call) { ADD_FAILURE() << call << " under the profile lock"; });
    threads.Start([this] { DriverThread(ctx); }, ThreadPriority::Highest);
    world.Settle();
  }
  ~DriverRig() { threads.StopAll(); }

  // As the reader does: the code first, then the flag, then the wakeup.
  void Press(std::uint8_t code) {
    status.pressedCode.store(code, std::memory_order_relaxed);
    status.buttonPressed.store(1, std::memory_order_release);
    wakeup->Raise();
    world.Settle();
  }
  void RequestStop() {
    status.stopRequested.store(1, std::memory_order_release);
    wakeup->Raise();
    world.Settle();
  }
  void AdvanceMs(int ms) { world.Advance(std::int64_t{ms} * 1000); }
  bool Idle() const { return status.buttonPressed.load() == 0 && status.stopRequested.load() == 0; }

  // "t=20 key 43 up scan=2E"
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const sim::InputRecord& r : input.Events()) {
      lines.push_back("t=" + std::to_string(r.timeUs / 1000) + " " + sim::DescribeInput(r));
    }
    return lines;
  }

  std::u16string& Config(std::u16string section, std::u16string key) {
    return ini.values[{paths.configPath, std::move(section), std::move(key)}];
  }

  std::vector<std::string> Calls() {
    std::lock_guard lock(callsLock);
    return calls;
  }

  void SetButton(int button, ButtonFunction code, std::int32_t dpiStep = 0) {
    std::lock_guard lock(model.lock);
    model.profile.buttons[button - 1] = code;
    model.dpiStepOfButton[button - 1] = dpiStep;
  }

 private:
  std::int32_t LevelNow() {
    std::lock_guard lock(model.lock);
    return model.profile.dpiLevel;
  }
  void Call(std::string what) {
    std::lock_guard lock(callsLock);
    calls.push_back(std::move(what));
  }
};

}  // namespace varkel::testing_support
