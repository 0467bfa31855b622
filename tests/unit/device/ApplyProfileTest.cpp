#include <gtest/gtest.h>

#include <thread>

#include "device/FeatureReports.h"
#include "driver/ButtonFunctions.h"
#include "unit/device/DeviceRig.h"

namespace varkel {
namespace {

using testing::DeviceRig;
using Strings = std::vector<std::string>;

TEST(ApplyProfile, SendsTheDefaultProfileAndWaitsForButtonSix) {
  DeviceRig rig;
  ApplyProfile(rig.ctx);

  EXPECT_EQ(rig.Reports(), (Strings{"07 10 01 01", "07 10 02 02", "07 10 03 03", "07 10 05 05", "07 10 04 04",
                                    "07 10 06 1F", "07 11 00 00", "07 09 00 90"}));
  for (const auto& r : rig.mouse.FeatureReports()) EXPECT_EQ(r.bytes.size(), sim::SimMouse::kStandardReportLength);
  EXPECT_FALSE(rig.status.driverRunning);
  EXPECT_EQ(rig.status.runButton, 6);
  EXPECT_TRUE(rig.status.blinkPhase);
  EXPECT_TRUE(rig.status.applyStartedBlinker);
  EXPECT_TRUE(rig.status.blinkerAlive);
  EXPECT_EQ(rig.blinker.starts, 1);
  EXPECT_EQ(rig.repaint.count, 1);
  EXPECT_EQ(rig.pointerSpeed.Sets(), std::vector<int>{10});
  EXPECT_EQ(rig.model.appliedPointerSpeed, 10);
  EXPECT_EQ(rig.model.appliedDpiSet, (std::array<std::uint8_t, 4>{1, 2, 4, 0}));
  EXPECT_EQ(rig.mouse.GetState().functionOf[6], kSoftwareFunction);

  // Init first, then the last-applied section, the current profile's last.
  const auto& sections = rig.ini.sectionsWritten;
  ASSERT_FALSE(sections.empty());
  EXPECT_EQ(sections.front(), u"Init");
  EXPECT_EQ(sections[1], u"Config6");
  EXPECT_EQ(sections.back(), u"Config1");
  EXPECT_EQ(rig.ini.Get(u"Init", u"CurConfig"), u"1");
}

// The code of button 3 (physical 3); the other buttons carry mouse functions.
TEST(ApplyProfile, MapsEachCodeToWhatTheMouseIsTold) {
  struct Case {
    ButtonFunction code;
    const char* report;  // nullptr: none for button 3
    std::int32_t dpiStep;
    bool waits;
  };
  const Case cases[] = {
      {0, "07 10 03 00", 0, false},    {5, "07 10 03 05", 0, false},   {6, "07 10 03 1F", 2, true},
      {11, "07 10 03 07", 0, false},   {16, "07 10 03 0C", 0, false},  {17, "07 10 03 1F", 1, true},
      {18, "07 10 03 1F", -1, true},   {19, "07 10 03 08", 0, false},  {21, "07 10 03 0D", 0, false},
      {25, "07 10 03 11", 0, false},   {26, "07 10 03 1F", 0, true},   {31, "07 10 03 1F", 0, true},
      {41, "07 10 03 1F", 0, true},    {52, "07 10 03 1F", 0, true},   {8, nullptr, 0, false},
      {20, nullptr, 0, false},         {53, nullptr, 0, false},        {-1, nullptr, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    DeviceRig rig;
    rig.model.profile.buttons = {1, 2, c.code, 5, 4, 3};
    ApplyProfile(rig.ctx);

    Strings expected{"07 10 01 01", "07 10 02 02"};
    if (c.report) expected.push_back(c.report);
    expected.insert(expected.end(), {"07 10 05 05", "07 10 04 04", "07 10 06 03", "07 11 00 00", "07 09 00 90"});
    EXPECT_EQ(rig.Reports(), expected);
    EXPECT_EQ(rig.model.dpiStepOfButton[2], c.dpiStep);
    EXPECT_EQ(rig.status.driverRunning, !c.waits);
    EXPECT_EQ(rig.status.runButton, c.waits ? 3 : 0);
    EXPECT_EQ(rig.blinker.starts, c.waits ? 1 : 0);
  }
}

TEST(ApplyProfile, ColourPickerIsReplacedAfterItsMessageWithTheModelFree) {
  DeviceRig rig;
  rig.model.profile.buttons = {1, 19, 3, 19, 4, 6};
  rig.model.currentProfile = 3;
  bool modelFreeDuringMessage = true;
  rig.dialogs.duringMessage = [&] {
    if (rig.model.lock.try_lock()) {
      rig.model.lock.unlock();
    } else {
      modelFreeDuringMessage = false;
    }
  };
  {
    // As profile cycling calls it: under a hold, which it lets go.
    std::unique_lock held(rig.model.lock);
    ApplyProfile(rig.ctx, held);
    EXPECT_FALSE(held.owns_lock());
  }

  EXPECT_TRUE(modelFreeDuringMessage);
  EXPECT_EQ(rig.dialogs.Messages(), (std::vector<std::u16string>(2, u"取色键无效,请设置为其他键")));
  const Strings reports = rig.Reports();
  ASSERT_EQ(reports.size(), 8u);
  EXPECT_EQ(reports[1], "07 10 02 08");
  EXPECT_EQ(reports[3], "07 10 05 08");
  EXPECT_EQ(rig.model.profile.buttons, (std::array<ButtonFunction, 6>{1, 12, 3, 12, 4, 6}));
  EXPECT_EQ(rig.ini.Get(u"Config6", u"K2"), u"19");
  EXPECT_EQ(rig.ini.Get(u"Config3", u"K2"), u"12");
}

TEST(ApplyProfile, StartsNoSecondBlinkerWhileOneFromAnApplyRuns) {
  DeviceRig rig;
  ApplyProfile(rig.ctx);
  ApplyProfile(rig.ctx);
  EXPECT_EQ(rig.blinker.starts, 1);
  EXPECT_FALSE(rig.status.driverRunning);
}

TEST(ApplyProfile, SetsThePointerSpeedOfTheOption) {
  struct Case {
    std::uint8_t option;
    bool answers;
    std::vector<int> sets;
    std::uint8_t applied;
  };
  const Case cases[] = {
      {8, true, {7}, 7}, {9, true, {9}, 9}, {10, true, {10}, 10}, {10, false, {}, 33},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    DeviceRig rig;
    rig.model.profile.dpiSpeed = c.option;
    rig.model.appliedPointerSpeed = 33;
    rig.pointerSpeed.SetAnswers(c.answers);
    ApplyProfile(rig.ctx);
    EXPECT_EQ(rig.pointerSpeed.Sets(), c.sets);
    EXPECT_EQ(rig.model.appliedPointerSpeed, c.applied);
  }
}

TEST(ApplyProfile, WithoutTheMouseStillStoresAndSetsThePointerSpeed) {
  DeviceRig rig(sim::SimMouse::Interfaces{});
  ApplyProfile(rig.ctx);
  EXPECT_TRUE(rig.mouse.FeatureReports().empty());
  EXPECT_EQ(rig.ini.Get(u"Config1", u"K6"), u"6");
  EXPECT_EQ(rig.pointerSpeed.Sets(), std::vector<int>{10});
}

// The apply element and profile cycling may apply at the same moment. The
// pointer speed, set after the lock is let go, must end as the apply that
// took the lock last asked for, and so must appliedPointerSpeed.
TEST(ApplyProfile, TwoAppliesAtOnceLeaveTheLaterOnesPointerSpeed) {
  DeviceRig rig(sim::SimMouse::Interfaces{});
  const auto applyWith = [&rig](std::uint8_t option) {
    std::unique_lock held(rig.model.lock);
    rig.model.profile.dpiSpeed = option;
    ApplyProfile(rig.ctx, held);
  };
  for (int round = 0; round < 200; ++round) {
    std::thread cycling([&] { applyWith(8); });
    applyWith(9);
    cycling.join();
    const int wanted = rig.model.profile.dpiSpeed == 8 ? 7 : 9;
    ASSERT_EQ(rig.pointerSpeed.Current(), wanted) << "round " << round;
    ASSERT_EQ(rig.model.appliedPointerSpeed, wanted) << "round " << round;
  }
}

// The DPI report is built from the applied copies, not from unapplied edits.
TEST(SendDpiReport, EncodesTheAppliedValueAndLedOfTheLevel) {
  struct Case {
    std::int32_t level;
    std::array<std::uint8_t, 4> applied;
    std::uint8_t led;
    const char* report;
  };
  const Case cases[] = {
      {0, {1, 2, 4, 0}, 0, "07 09 00 90"},
      {3, {1, 2, 4, 0}, 2, "07 09 03 82"},
      {2, {1, 2, 4, 0}, 3, "07 09 02 C3"},
      {1, {0, 9, 0, 0}, 15, "07 09 01 1F"},  // (9 + 8) * 16 + 15 in 8 bits
      {7, {4, 0, 0, 0}, 1, "07 09 00 C1"},   // a level outside the four goes as level 0
      {-2, {3, 0, 0, 0}, 0, "07 09 00 B0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.report);
    DeviceRig rig;
    rig.model.profile.dpiLevel = c.level;
    rig.model.profile.dpiSet = {4, 4, 4, 4};
    rig.model.profile.ledStatus = 1;
    rig.model.appliedDpiSet = c.applied;
    rig.model.appliedLedStatus = c.led;
    SendDpiReport(rig.link, rig.model);
    EXPECT_EQ(rig.Reports(), Strings{c.report});
  }
}

TEST(FeatureReport, GoesOutAtTheAnnouncedLength) {
  for (std::uint16_t length : {4, 8, 65, 300, 4096}) {
    SCOPED_TRACE(length);
    DeviceRig rig({sim::SimMouse::MouseCollection(u"in", 0xFF00, 1, 8, 0),
                   sim::SimMouse::MouseCollection(u"out", 0xFF01, 1, 0, length)});
    EXPECT_TRUE(SendFeatureReport(rig.link, FeatureCommand::Wheel, 1, 0));
    const auto sent = rig.mouse.FeatureReports();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].bytes.size(), length);
    EXPECT_EQ(rig.Reports(), Strings{"07 11 01 00"});
  }
  for (std::uint16_t length : {0, 3}) {
    SCOPED_TRACE(length);
    DeviceRig rig({sim::SimMouse::MouseCollection(u"out", 0xFF01, 1, 0, length)});
    EXPECT_FALSE(SendFeatureReport(rig.link, FeatureCommand::Wheel, 1, 0));
  }
}

TEST(SendExitReport, TellsTheMouseAndRestoresThePointerSpeed) {
  struct Case {
    bool linked;
    bool answers;
    Strings reports;
    std::vector<int> sets;
  };
  const Case cases[] = {
      {true, true, {"07 20 00 00"}, {10}},
      {true, false, {"07 20 00 00"}, {}},
      {false, true, {}, {10}},
  };
  for (const auto& c : cases) {
    DeviceRig rig(c.linked ? sim::SimMouse::StandardInterfaces() : sim::SimMouse::Interfaces{});
    rig.pointerSpeed.SetAnswers(c.answers);
    SendExitReport(rig.link, rig.pointerSpeed);
    EXPECT_EQ(rig.Reports(), c.reports);
    EXPECT_EQ(rig.pointerSpeed.Sets(), c.sets);
    EXPECT_EQ(rig.mouse.GetState().exitReceived, c.linked);
  }
}

}  // namespace
}  // namespace varkel
