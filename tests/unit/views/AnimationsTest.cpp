// The run-button blinker and the LED preview on virtual time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/views/ViewRig.h"

namespace varkel::viewtest {
namespace {

// The preview's look: "gray" or the colour's name.
std::string Look(const ViewState& v) {
  static const char* const kNames[] = {"blue", "pink", "red", "purple"};
  if (v.previewGray) return "gray";
  const std::int32_t c = v.previewColour;
  return c >= 0 && c < 4 ? kNames[c] : "?";
}

// The preview started on the colour page, its look sampled once per phase.
std::vector<std::string> PreviewLooks(std::uint8_t mode, int level, int samples, int phaseMs) {
  ViewRig rig;
  rig.view.page = Page::Colour;
  rig.model.appliedLedStatus = mode;
  rig.model.profile.dpiLevel = level;
  rig.animations.StartPreviewUnlessAlive();
  rig.world.Settle();
  std::vector<std::string> looks;
  for (int i = 0; i < samples; ++i) {
    looks.push_back(Look(rig.view));
    rig.world.Advance(std::int64_t{phaseMs} * 1000);
  }
  return looks;
}

TEST(LedPreview, LooksOfEachAppliedMode) {
  struct Case {
    const char* name;
    std::uint8_t mode;
    int level;
    int phaseMs;
    std::vector<std::string> looks;
  };
  const Case cases[] = {
      {"mode 0 from level 1", 0, 1, 1200, {"gray", "red", "gray", "purple", "gray", "blue", "gray", "pink"}},
      {"mode 1 runs faster", 1, 0, 800, {"gray", "pink", "gray", "red", "gray", "purple"}},
      {"mode 2 level 0 is steady blue", 2, 0, 1200, {"blue", "blue", "blue"}},
      {"mode 2 level 3 is steady purple", 2, 3, 1200, {"purple", "purple", "purple"}},
      {"mode 3 is off", 3, 2, 1200, {"gray", "gray", "gray"}},
      {"an unknown level counts as level 0", 2, 9, 1200, {"blue", "blue"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PreviewLooks(c.mode, c.level, static_cast<int>(c.looks.size()), c.phaseMs), c.looks) << c.name;
}

TEST(LedPreview, ANewLevelShowsItsColourSteadilyBeforeTheCycleGoesOn) {
  ViewRig rig;
  rig.view.page = Page::Colour;
  rig.model.appliedLedStatus = 1;
  rig.animations.StartPreviewUnlessAlive();
  rig.world.Settle();
  rig.world.Advance(400'000);
  {
    std::lock_guard lock(rig.model.lock);
    rig.model.profile.dpiLevel = 3;  // from the mouse's DPI button, say
  }
  rig.world.Advance(400'000);  // t=800: the next phase sees it
  EXPECT_EQ(Look(rig.view), "purple");
  rig.world.Advance(2'700'000);  // t=3500: 2000 ms plus one phase of 800 are not over
  EXPECT_EQ(Look(rig.view), "purple");
  rig.world.Advance(200'000);  // t=3700: the cycle goes on from the new level
  EXPECT_EQ(Look(rig.view), "gray");
  EXPECT_EQ(rig.view.previewColour.load(), 0);
}

TEST(LedPreview, EndsOnceItsPageIsLeftAndIsNotStartedTwice) {
  ViewRig rig;
  rig.view.page = Page::Colour;
  rig.animations.StartPreviewUnlessAlive();
  rig.world.Settle();
  rig.view.page = Page::Main;
  rig.world.Advance(500'000);
  rig.view.page = Page::Colour;  // back within the phase: the same thread carries on
  rig.animations.StartPreviewUnlessAlive();
  rig.world.Settle();
  EXPECT_TRUE(rig.view.previewAlive);
  const int repaints = rig.repaint.count;
  rig.world.Advance(700'000);
  EXPECT_EQ(rig.repaint.count, repaints + 1);  // one thread, one repaint a phase

  rig.view.page = Page::Main;
  rig.world.Advance(1'200'000);
  EXPECT_FALSE(rig.view.previewAlive);
}

TEST(Blinker, BlinksEveryHalfSecondUntilTheDriverRuns) {
  ViewRig rig;
  rig.status.driverRunning = false;
  rig.status.runButton = 3;
  rig.status.blinkPhase = true;
  rig.status.blinkerAlive = true;
  rig.animations.Start();
  rig.world.Settle();
  std::vector<bool> phases;
  for (int i = 0; i < 4; ++i) {
    phases.push_back(rig.status.blinkPhase);
    rig.world.Advance(500'000);
  }
  EXPECT_EQ(phases, (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(rig.repaint.count, 5);  // the fifth toggle came at t=2000

  rig.status.driverRunning = true;  // the starting click, at t=2000
  rig.world.Advance(999'000);
  EXPECT_TRUE(rig.status.blinkerAlive);  // the batch of six runs to its end
  rig.world.Advance(1'000);
  EXPECT_FALSE(rig.status.blinkerAlive);
  EXPECT_TRUE(rig.status.blinkPhase);
  const int repaints = rig.repaint.count;
  rig.world.Advance(3'000'000);
  EXPECT_EQ(rig.repaint.count, repaints);
}

TEST(Blinker, RunsOnceAtATimeAndEndsWhenItsPageIsLeft) {
  ViewRig rig;
  rig.status.driverRunning = false;
  rig.status.blinkerAlive = true;
  rig.animations.Start();
  rig.world.Settle();
  rig.animations.StartBlinkerUnlessAlive();  // the main tab pressed again: one runs already
  rig.world.Settle();
  rig.world.Advance(1'000'000);
  EXPECT_EQ(rig.repaint.count, 3);  // t=0, 500, 1000: one thread's blinks

  rig.view.page = Page::Colour;
  rig.world.Advance(2'000'000);  // the batch ends at t=3000
  EXPECT_FALSE(rig.status.blinkerAlive);
  EXPECT_TRUE(rig.status.blinkPhase);
}

}  // namespace
}  // namespace varkel::viewtest
