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

// The reader's pauses on the world's clock, counted by kind.
class CountingClock final : public Clock {
 public:
  explicit CountingClock(sim::SimWorld& world) : inner_(world) {}
  std::int64_t NowUs() override { return inner_.NowUs(); }
  void SleepMs(std::uint32_t ms) override {
    ++preciseSleeps;
    inner_.SleepMs(ms);
  }
  void PauseMs(std::uint32_t ms) override {
    ++pauses;
    inner_.SleepMs(ms);
  }
  int Wakes() const { return preciseSleeps + pauses; }

  std::atomic<int> preciseSleeps{0};
  std::atomic<int> pauses{0};

 private:
  sim::SimClock inner_;
};

struct ReaderRig : DeviceRig {
  using DeviceRig::DeviceRig;
  CountingClock clock{world};
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
      // A stored mode that is neither 0 nor 1 plays while held, as mode 1:
      // its release stops the macro (it used to be unstoppable).
      {"pending press, mode 2", true, true, 2, {0x06, 0xF1}, 1, 0xF5, 0, true, 0, 0},
      {"pending release, mode 2", true, true, 2, {0x06, 0x00}, 1, 0xF5, 1, true, 0, 1},
      {"pending release, mode -1", true, true, -1, {0x06, 0x00}, 1, 0xF5, 1, true, 0, 1},
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

// Without a report to read, the reader idles in pauses that grow to 250 ms
// and ask nothing of the system's timer: about fifty wakes in 10 s, where a
// 2 ms retry made 5000 precise sleeps. Once the mouse is pulled out its
// work is over: the removal notice ends the program.
TEST(ReaderThread, IdlesCheaplyWithoutAReadableCollection) {
  const auto standard = sim::SimMouse::StandardInterfaces();
  struct Case {
    const char* name;
    sim::SimMouse::Interfaces interfaces;
    bool failReads;
    bool unplug;
    int mostWakes;
  };
  const Case cases[] = {
      {"no mouse", {}, false, false, 60},
      {"one-byte input reports", {sim::SimMouse::MouseCollection(u"in", 0xFF00, 1, 1, 0)}, false, false, 60},
      {"reads of the collection fail", standard, true, false, 60},
      {"unplugged", standard, false, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderRig rig(c.interfaces);
    if (c.failReads) rig.mouse.FailReadsOf(standard[2]->path);
    rig.status.driverRunning = false;
    rig.threads.Start([&] { ReaderThread(rig.reader); }, ThreadPriority::Highest);
    rig.world.Settle();
    if (c.unplug) rig.mouse.Unplug();
    rig.world.Settle();
    const int wakesBefore = rig.clock.Wakes();

    rig.mouse.InjectInputReport({0x06, 0x00});
    rig.world.Advance(10'000'000);
    EXPECT_LE(rig.clock.Wakes() - wakesBefore, c.mostWakes);
    EXPECT_EQ(rig.clock.preciseSleeps, 0);
    EXPECT_FALSE(rig.status.driverRunning);
    rig.threads.StopAll();
  }
}

// Idling before the mouse is found costs the start-up little: a report sent
// once the search has opened the mouse is read within the longest pause.
TEST(ReaderThread, ReadsSoonAfterALateSearch) {
  ReaderRig rig;
  rig.link.SetInput({});
  rig.status.driverRunning = false;
  rig.threads.Start([&] { ReaderThread(rig.reader); }, ThreadPriority::Highest);
  rig.world.Advance(5'000'000);

  ASSERT_TRUE(FindDevice(rig.mouse, rig.link));
  rig.mouse.InjectInputReport({0x06, 0x00});
  rig.world.Advance((kReaderLongestIdleMs + kReaderPauseMs) * 1000);
  EXPECT_TRUE(rig.status.driverRunning);
  rig.threads.StopAll();
}

}  // namespace
}  // namespace varkel
