#include <gtest/gtest.h>

#include "driver/MacroPlayback.h"
#include "unit/driver/DriverRig.h"

namespace varkel {
namespace {

using testing_support::DriverRig;
using Lines = std::vector<std::string>;

constexpr std::uint8_t kPress = 1, kRelease = 2;

Macro MakeMacro(std::vector<MacroEvent> steps, std::uint8_t repeatMode = 0, std::uint16_t repeatCount = 1) {
  Macro m;
  m.name[0] = u'M';
  m.repeatMode = repeatMode;
  m.repeatCount = repeatCount;
  m.eventCount = static_cast<std::uint8_t>(steps.size());
  std::copy(steps.begin(), steps.end(), m.events.begin());
  return m;
}

// Button 6 plays slot `slot` of a table holding `macro` there.
void Install(DriverRig& rig, const Macro& macro, std::int32_t macroMode = 0, int slot = 0) {
  {
    std::lock_guard lock(rig.macros.lock);
    rig.macros.macros[slot] = macro;
    rig.macros.macroCount = static_cast<std::int16_t>(slot + 1);
  }
  {
    std::lock_guard lock(rig.model.lock);
    rig.model.profile.macroMode = macroMode;
  }
  rig.SetButton(6, 41 + slot);
}

const Macro kTapA = MakeMacro({{0x41, kPress, 30}, {0x41, kRelease, 30}}, 1, 3);

TEST(MacroPlayback, RepeatCountPlaysThatManyPasses) {
  DriverRig rig;
  Install(rig, kTapA);
  rig.Press(0xF6);
  rig.AdvanceMs(1000);
  EXPECT_EQ(rig.Lines(), (Lines{"t=0 key 41 down scan=1E", "t=30 key 41 up scan=1E",
                                "t=60 key 41 down scan=1E", "t=90 key 41 up scan=1E",
                                "t=120 key 41 down scan=1E", "t=150 key 41 up scan=1E"}));
  EXPECT_TRUE(rig.Idle());
}

TEST(MacroPlayback, PassesFollowRepeatSettingsAndMacroMode) {
  struct Case {
    const char* what;
    std::uint8_t repeatMode;
    std::uint16_t repeatCount;
    std::int32_t macroMode;
    std::size_t events;  // within 1 s, no stop
  };
  const Case cases[] = {
      {"play once", 0, 3, 0, 2},
      {"repeat count 0 plays nothing", 1, 0, 0, 0},
      {"repeat count 2", 1, 2, 0, 4},
      {"macro mode 1 repeats until stopped", 0, 1, 1, 34},  // 0, 30, ..., 990
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DriverRig rig;
    Install(rig, MakeMacro({{0x41, kPress, 30}, {0x41, kRelease, 30}}, c.repeatMode, c.repeatCount), c.macroMode);
    rig.Press(0xF6);
    rig.AdvanceMs(1000);
    EXPECT_EQ(rig.Lines().size(), c.events);
  }
}

// Macro mode 1: the release report's stop ends the playback after the step
// being waited on, and the key the macro holds is let go.
TEST(MacroPlayback, MacroModeOneStopsOnRelease) {
  DriverRig rig;
  Install(rig, kTapA, 1);
  rig.Press(0xF6);
  rig.AdvanceMs(70);  // in the second pass's press step (60..90)
  rig.RequestStop();
  rig.AdvanceMs(100);
  EXPECT_EQ(rig.Lines(), (Lines{"t=0 key 41 down scan=1E", "t=30 key 41 up scan=1E",
                                "t=60 key 41 down scan=1E", "t=90 key 41 up scan=1E"}));
  EXPECT_TRUE(rig.Idle());
}

// Macro mode 0: a second press during a 5-second step ends the playback when
// that step's 5 seconds are over.
TEST(MacroPlayback, StopIsSeenAfterTheStepsDelay) {
  DriverRig rig;
  Install(rig, MakeMacro({{0x10, kPress, 5000}, {0x41, kPress, 10}, {0x41, kRelease, 10}, {0x10, kRelease, 10}}));
  rig.Press(0xF6);
  rig.AdvanceMs(1000);
  rig.RequestStop();
  rig.AdvanceMs(3999);
  EXPECT_EQ(rig.Lines(), Lines{"t=0 key 10 down scan=2A"});
  rig.AdvanceMs(1);
  EXPECT_EQ(rig.Lines(), (Lines{"t=0 key 10 down scan=2A", "t=5000 key 10 up scan=2A"}));
  EXPECT_TRUE(rig.Idle());
}

// Everything a stopped macro still holds is let go, last pressed first; a
// macro that ends by itself leaves its keys as its steps left them.
TEST(MacroPlayback, StoppedMacroReleasesWhatItHolds) {
  const Macro holder = MakeMacro({{0xA0, kPress, 10},   // left Shift
                                  {0xF0, kPress, 10},   // left button
                                  {0x2E, kPress, 10},   // Delete
                                  {0x2E, kRelease, 10},
                                  {0xF3, kPress, 100}});  // middle button
  {
    DriverRig rig;
    Install(rig, holder);
    rig.Press(0xF6);
    rig.AdvanceMs(45);
    rig.RequestStop();
    rig.AdvanceMs(200);
    EXPECT_EQ(rig.Lines(), (Lines{"t=0 key A0 down scan=2A", "t=10 mouse left down",
                                  "t=20 key 2E down scan=53 ext", "t=30 key 2E up scan=53 ext",
                                  "t=40 mouse middle down", "t=140 mouse middle up",
                                  "t=140 mouse left up", "t=140 key A0 up scan=2A"}));
  }
  {
    DriverRig rig;
    Install(rig, holder);
    rig.Press(0xF6);
    rig.AdvanceMs(300);
    EXPECT_EQ(rig.Lines().size(), 5u);
  }
}

// How each step is sent: extended keys, fixed scan codes, mouse pseudo-keys,
// steps that only wait.
TEST(MacroPlayback, StepsAreSentAsKeysButtonsOrPauses) {
  struct Case {
    MacroEvent step;
    std::string expected;  // "" sends nothing
  };
  const Case cases[] = {
      {{0x2E, kPress, 0}, "key 2E down scan=53 ext"},    // Delete
      {{0x2C, kPress, 0}, "key 2C down scan=37 ext"},    // Print Screen
      {{0x13, kPress, 0}, "key 13 down scan=45"},        // Pause
      {{0x5B, kRelease, 0}, "key 5B up scan=5B ext"},    // left Windows key
      {{0xA5, kPress, 0}, "key A5 down scan=38 ext"},    // right Alt
      {{0x6F, kPress, 0}, "key 6F down scan=35 ext"},    // keypad divide
      {{0x90, kRelease, 0}, "key 90 up scan=45 ext"},    // Num Lock
      {{0x25, kPress, 0}, "key 25 down scan=4B ext"},    // left arrow
      {{0xA0, kPress, 0}, "key A0 down scan=2A"},        // left Shift
      {{0x07, kPress, 0}, "key 07 down scan=00"},        // unmapped key
      {{0xF0, kPress, 0}, "mouse left down"},
      {{0xF1, kPress, 0}, "mouse right down"},
      {{0xF2, kRelease, 0}, "mouse middle up"},
      {{0xF3, kRelease, 0}, "mouse middle up"},
      {{0xFF, kPress, 0}, "mouse middle down"},
      {{0x41, 0, 0}, ""},
      {{0x41, 3, 0}, ""},
  };
  for (const Case& c : cases) {
    DriverRig rig;
    Install(rig, MakeMacro({c.step}));
    rig.Press(0xF6);
    rig.AdvanceMs(10);
    EXPECT_EQ(rig.Lines(), c.expected.empty() ? Lines{} : Lines{"t=0 " + c.expected})
        << int(c.step.keyCode) << "/" << int(c.step.action);
  }
}

TEST(MacroPlayback, ActionZeroOnlyWaits) {
  DriverRig rig;
  Install(rig, MakeMacro({{0x41, 0, 50}, {0x42, kPress, 0}}));
  rig.Press(0xF6);
  rig.AdvanceMs(100);
  EXPECT_EQ(rig.Lines(), Lines{"t=50 key 42 down scan=30"});
}

// An edit made while the macro plays is seen from the next step read.
TEST(MacroPlayback, EditDuringPlaybackIsSeenFromTheNextStep) {
  DriverRig rig;
  Install(rig, MakeMacro({{0x41, kPress, 100}, {0x41, kRelease, 100}}));
  rig.Press(0xF6);
  rig.AdvanceMs(50);
  {
    std::lock_guard lock(rig.macros.lock);
    Macro& m = rig.macros.macros[0];
    m.events[1] = {0x42, kPress, 100};
    m.events[2] = {0x43, kPress, 0};
    m.eventCount = 3;
  }
  rig.AdvanceMs(300);
  EXPECT_EQ(rig.Lines(), (Lines{"t=0 key 41 down scan=1E", "t=100 key 42 down scan=30",
                                "t=200 key 43 down scan=2E"}));
}

// Macro codes play their slot while it is in use; a slot emptied by a delete
// plays nothing.
TEST(MacroPlayback, MacroCodeNamesSlotInUse) {
  DriverRig rig;
  Install(rig, MakeMacro({{0x42, kPress, 0}}), 0, 1);
  rig.SetButton(6, 42);
  rig.Press(0xF6);
  EXPECT_EQ(rig.Lines(), Lines{"t=0 key 42 down scan=30"});
  {
    std::lock_guard lock(rig.macros.lock);
    rig.macros.macroCount = 1;
  }
  rig.Press(0xF6);
  EXPECT_EQ(rig.Lines().size(), 1u);
}

// An empty macro in macro mode 1 runs its passes without taking time.
TEST(MacroPlayback, EmptyMacroHeldEndsAtOnce) {
  DriverRig rig;
  Install(rig, MakeMacro({}), 1);
  rig.Press(0xF6);
  EXPECT_TRUE(rig.Idle());
  EXPECT_EQ(rig.clock.NowUs(), 0);
}

}  // namespace
}  // namespace varkel
