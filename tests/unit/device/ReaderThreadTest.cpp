#include <gtest/gtest.h>

#include "device/FeatureReports.h"
#include "device/ReaderThread.h"
#include "platform/sim/SimThreads.h"
#include "unit/device/DeviceRig.h"

namespace varkel {
namespace {

using testing::DeviceRig;
using Bytes = std::vector<std::uint8_t>;

struct CountingWakeup final : Wakeup {
  void Raise() override { ++raised; }
  void Wait() override {}
  std::atomic<int> raised{0};
};

struct ReaderRig : DeviceRig {
  using DeviceRig::DeviceRig;
  sim::SimClock clock{world};
  sim::SimThreads threads{world};
  CountingWakeup wakeup;
  ReaderContext reader{link, status, model, repaint, clock, threads, wakeup};
};

// How a report read while running or waiting changes the flags.
TEST(ReaderThread, TakesReportsAsTheDriverStatusSays) {
  struct Case {
    const char* name;
    bool running;
    bool pending;  // a press was handed over and its function still runs
    std::int32_t macroMode;
    Bytes report;
    // expected
    std::int32_t buttonPressed;
    std::uint8_t pressedCode;
    std::int32_t stopRequested;
    bool runningAfter;
    int repaints;
    int wakeups;
  };
  const Case cases[] = {
      {"idle press, mode 0", true, false, 0, {0x06, 0xF3}, 1, 0xF3, 0, true, 0, 1},
      {"idle press, mode 1", true, false, 1, {0x06, 0xF6}, 1, 0xF6, 0, true, 0, 1},
      {"idle press above F6", true, false, 0, {0x06, 0xFF}, 1, 0xFF, 0, true, 0, 1},
      {"byte 0 unread while running", true, false, 0, {0x07, 0xF2}, 1, 0xF2, 0, true, 0, 1},
      {"idle release, mode 0", true, false, 0, {0x06, 0x00}, 0, 0, 0, true, 0, 0},
      {"idle release, mode 1", true, false, 1, {0x06, 0x00}, 0, 0, 1, true, 0, 1},
      {"pending press, mode 0", true, true, 0, {0x06, 0xF1}, 1, 0xF5, 1, true, 0, 1},
      {"pending release, mode 0", true, true, 0, {0x06, 0x00}, 1, 0xF5, 0, true, 0, 0},
      {"pending press, mode 1", true, true, 1, {0x06, 0xF1}, 1, 0xF5, 0, true, 0, 0},
      {"pending release, mode 1", true, true, 1, {0x06, 0x00}, 1, 0xF5, 1, true, 0, 1},
      {"F0 while running", true, false, 0, {0x06, 0xF0}, 0, 0, 0, true, 0, 0},
      {"50 while running", true, false, 0, {0x06, 0x50}, 0, 0, 0, true, 0, 0},
      {"too short while running", true, false, 1, {0x06}, 0, 0, 0, true, 0, 0},
      {"press while waiting", false, false, 0, {0x06, 0xF6}, 0, 0, 0, false, 0, 0},
      {"release while waiting", false, false, 0, {0x06, 0x00}, 0, 0, 0, true, 1, 0},
      {"release, longer report", false, false, 0, {0x06, 0x00, 0x33, 0x44}, 0, 0, 0, true, 1, 0},
      {"05 00 while waiting", false, false, 0, {0x05, 0x00}, 0, 0, 0, false, 0, 0},
      {"F0 while waiting", false, false, 0, {0x06, 0xF0}, 0, 0, 0, false, 0, 0},
      {"50 while waiting", false, false, 0, {0x06, 0x50}, 0, 0, 0, false, 0, 0},
      {"too short while waiting", false, false, 0, {0x06}, 0, 0, 0, false, 0, 0},
      {"empty while waiting", false, false, 0, {}, 0, 0, 0, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderRig rig;
    rig.model.profile.macroMode = c.macroMode;
    rig.status.driverRunning = c.running;
    rig.status.blinkPhase = !c.running;
    rig.status.applyStartedBlinker = !c.running;
    if (c.pending) {
      rig.status.pressedCode = 0xF5;
      rig.status.buttonPressed = 1;
    }

    HandleInputReport(c.report, rig.reader);

    EXPECT_EQ(rig.status.buttonPressed, c.buttonPressed);
    EXPECT_EQ(rig.status.pressedCode, c.pressedCode);
    EXPECT_EQ(rig.status.stopRequested, c.stopRequested);
    EXPECT_EQ(rig.status.driverRunning, c.runningAfter);
    // Starting the driver ends the blinking prompt.
    EXPECT_EQ(rig.status.blinkPhase, !c.runningAfter);
    EXPECT_EQ(rig.status.applyStartedBlinker, !c.runningAfter);
    EXPECT_EQ(rig.repaint.count, c.repaints);
    EXPECT_EQ(rig.wakeup.raised, c.wakeups);
  }
}

// The default apply asks for a click on button 6; the simulated mouse's
// button 6 then starts the driver, and its next press is handed over.
TEST(ReaderThread, StartingClickOnTheSimulatedMouse) {
  ReaderRig rig;
  ApplyProfile(rig.ctx);
  ASSERT_FALSE(rig.status.driverRunning);
  rig.threads.Start([&] { ReaderThread(rig.reader); }, ThreadPriority::Highest);
  rig.world.Settle();

  const int physical6 = PhysicalButtonOrder[5];
  rig.mouse.Press(physical6);
  rig.world.Advance(5'000);
  EXPECT_FALSE(rig.status.driverRunning);
  rig.mouse.Release(physical6);
  rig.world.Advance(5'000);
  EXPECT_TRUE(rig.status.driverRunning);
  EXPECT_FALSE(rig.status.blinkPhase);
  EXPECT_EQ(rig.status.buttonPressed, 0);

  rig.mouse.Press(physical6);
  rig.world.Advance(5'000);
  EXPECT_EQ(rig.status.buttonPressed, 1);
  EXPECT_EQ(rig.status.pressedCode, 0xF6);
  EXPECT_EQ(rig.wakeup.raised, 1);
  rig.threads.StopAll();
}

// Without an input collection it can read, the thread only idles in 2 ms
// steps; once the mouse is gone its reads fail and it idles the same way.
TEST(ReaderThread, IdlesWithoutAReadableCollection) {
  struct Case {
    const char* name;
    sim::SimMouse::Interfaces interfaces;
    bool unplug;
  };
  const Case cases[] = {
      {"no mouse", {}, false},
      {"one-byte input reports", {sim::SimMouse::MouseCollection(u"in", 0xFF00, 1, 1, 0)}, false},
      {"unplugged", sim::SimMouse::StandardInterfaces(), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderRig rig(c.interfaces);
    rig.status.driverRunning = false;
    rig.threads.Start([&] { ReaderThread(rig.reader); }, ThreadPriority::Highest);
    rig.world.Settle();
    if (c.unplug) rig.mouse.Unplug();
    rig.mouse.InjectInputReport({0x06, 0x00});
    rig.world.Advance(10'000);
    EXPECT_FALSE(rig.status.driverRunning);
    EXPECT_EQ(rig.clock.NowUs(), 10'000);
    rig.threads.StopAll();
  }
}

}  // namespace
}  // namespace varkel
