#include <gtest/gtest.h>

#include "driver/DpiStepping.h"
#include "unit/driver/DriverRig.h"

namespace varkel {
namespace {

using testing_support::DriverRig;
using Lines = std::vector<std::string>;

// What one press of a button carrying each single-action code synthesises.
TEST(DriverThread, SingleActionsSynthesiseTheirInput) {
  struct Case {
    ButtonFunction code;
    Lines expected;
  };
  const Case cases[] = {
      {31, {"t=0 key 11 down scan=00", "t=0 key 43 down scan=2E", "t=20 key 43 up scan=2E", "t=20 key 11 up scan=00"}},
      {32, {"t=0 key 11 down scan=00", "t=0 key 56 down scan=2F", "t=20 key 56 up scan=2F", "t=20 key 11 up scan=00"}},
      {33, {"t=0 key 11 down scan=00", "t=0 key 41 down scan=1E", "t=20 key 41 up scan=1E", "t=20 key 11 up scan=00"}},
      {34, {"t=0 key 11 down scan=00", "t=0 key 5A down scan=2C", "t=20 key 5A up scan=2C", "t=20 key 11 up scan=00"}},
      {35, {"t=0 key 12 down scan=00", "t=0 key 73 down scan=3E", "t=0 key 73 up scan=3E", "t=0 key 12 up scan=00"}},
      // The mute key is let go again (it toggles on its press).
      {26, {"t=0 key AD down scan=00", "t=0 key AD up scan=00"}},
      {36, {"t=0 open ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"}},
      {37, {"t=0 lock"}},
      {38, {"t=0 run calc.exe"}},
      {39, {"t=0 run cmd.exe"}},
      // Nothing: codes the mouse performs, codes of nothing, unused macro slots.
      {0, {}}, {1, {}}, {20, {}}, {27, {}}, {30, {}}, {41, {}}, {52, {}}, {53, {}}, {-1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    DriverRig rig;
    rig.SetButton(4, c.code);  // physical number 5
    rig.Press(0xF5);
    rig.AdvanceMs(100);
    EXPECT_EQ(rig.Lines(), c.expected);
    EXPECT_TRUE(rig.Idle());
    EXPECT_TRUE(rig.Calls().empty());
  }
}

// Presses are matched by physical number; numbers no button has do nothing.
TEST(DriverThread, PressCodeSelectsButtonByPhysicalNumber) {
  const std::pair<std::uint8_t, int> cases[] = {{0xF1, 1}, {0xF2, 2}, {0xF3, 3}, {0xF5, 4},
                                                {0xF4, 5}, {0xF6, 6}, {0xF0, 0}, {0xF7, 0}, {0xFF, 0}};
  for (auto [code, button] : cases) {
    SCOPED_TRACE(int(code));
    DriverRig rig;
    for (int b = 1; b <= 6; ++b) rig.SetButton(b, b == button ? 37 : 1);
    rig.Press(code);
    EXPECT_EQ(rig.Lines(), button ? Lines{"t=0 lock"} : Lines{});
    EXPECT_TRUE(rig.Idle());
  }
}

// The driver sleeps on its wakeup: after a handled press it takes the next one.
TEST(DriverThread, TakesPressAfterPress) {
  DriverRig rig;
  rig.SetButton(6, 37);
  rig.Press(0xF6);
  rig.AdvanceMs(5);
  rig.Press(0xF6);
  EXPECT_EQ(rig.Lines(), (Lines{"t=0 lock", "t=5 lock"}));
}

// A stop that comes while idle (the release of macro mode 1) is cleared.
TEST(DriverThread, StopWhileIdleIsCleared) {
  DriverRig rig;
  rig.RequestStop();
  EXPECT_TRUE(rig.Idle());
}

TEST(DpiStepping, NextLevel) {
  using S = DpiStep;
  struct Case {
    std::array<std::uint8_t, 4> enabled;
    std::int32_t level;
    DpiStep step;
    std::int32_t expected;
  };
  const std::array<std::uint8_t, 4> l013 = {1, 1, 0, 1};
  const Case cases[] = {
      {l013, 1, S::Down, 0}, {l013, 1, S::Up, 3},    {l013, 1, S::Cycle, 3},
      {l013, 3, S::Up, 3},   {l013, 3, S::Cycle, 0}, {l013, 0, S::Down, 0},
      {l013, 3, S::Down, 1}, {l013, 0, S::Cycle, 1}, {l013, 2, S::Down, 1}, {l013, 2, S::Up, 3},
      {{0, 0, 1, 0}, 2, S::Cycle, 2},  // the only enabled level stays
      {{0, 0, 0, 0}, 1, S::Cycle, 1},  // none enabled: stays
      {{0, 0, 0, 0}, 1, S::Up, 1},
      // levels out of range from hand-edited files: nothing outside 0..3 is read
      {l013, 7, S::Down, 3}, {l013, 7, S::Up, 7}, {l013, 7, S::Cycle, 0},
      {l013, -2, S::Up, 0},  {l013, -2, S::Down, -2}, {{0, 0, 0, 1}, -2, S::Cycle, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextDpiLevel(c.level, c.enabled, c.step), c.expected)
        << "level " << c.level << " step " << int(c.step);
  }
}

// The step fixed by the last apply wins over the code edited since; the
// report, the repaint and DPI_LEVEL follow even when the level stays.
TEST(DriverThread, DpiButtonStepsAndStoresTheLevel) {
  struct Case {
    std::int32_t step;
    std::int32_t from;
    std::int32_t to;
  };
  const Case cases[] = {{-1, 1, 0}, {1, 1, 3}, {2, 1, 3}, {1, 3, 3}, {2, 3, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step * 10 + c.from);
    DriverRig rig;
    {
      std::lock_guard lock(rig.model.lock);
      rig.model.profile.dpiSetEnabled = {1, 1, 0, 1};
      rig.model.profile.dpiLevel = c.from;
      rig.model.currentProfile = 3;
    }
    rig.SetButton(2, 31, c.step);  // edited to Ctrl+C since the apply
    rig.Press(0xF2);
    EXPECT_EQ(rig.Lines(), Lines{});
    EXPECT_EQ(rig.Calls(), Lines{"dpi-report " + std::to_string(c.to)});
    EXPECT_EQ(rig.repaint.count, 1);
    EXPECT_EQ(rig.Config(u"Config3", u"DPI_LEVEL"), std::u16string(1, char16_t(u'0' + c.to)));
    EXPECT_TRUE(rig.Idle());
  }
}

// Code 40 goes on to the next profile, loads it and applies it.
TEST(DriverThread, NextProfileLoadsAndApplies) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {{1, 2}, {4, 5}, {5, 1}, {0, 1}, {9, 1}, {-2, 1}};
  for (auto [from, to] : cases) {
    SCOPED_TRACE(from);
    DriverRig rig;
    const std::u16string section = u"Config" + std::u16string(1, char16_t(u'0' + to));
    rig.Config(section, u"K1") = u"35";
    rig.Config(section, u"K4") = u"40";
    {
      std::lock_guard lock(rig.model.lock);
      rig.model.currentProfile = from;
    }
    rig.SetButton(4, 40);
    rig.Press(0xF5);
    std::lock_guard lock(rig.model.lock);
    EXPECT_EQ(rig.model.currentProfile, to);
    EXPECT_EQ(rig.model.profile.buttons[0], 35);
    EXPECT_EQ(rig.model.profile.buttons[3], 40);
    EXPECT_EQ(rig.Calls(), Lines{"apply " + std::to_string(to)});
    EXPECT_EQ(rig.repaint.count, 1);
  }
}

}  // namespace
}  // namespace varkel
