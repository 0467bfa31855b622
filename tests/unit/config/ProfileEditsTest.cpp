#include "config/ProfileEdits.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using Flags = std::array<std::uint8_t, kDpiLevelCount>;

MouseProfile Levels(Flags enabled, std::int32_t current) {
  MouseProfile profile;
  profile.dpiSetEnabled = enabled;
  profile.dpiLevel = current;
  return profile;
}

TEST(ProfileEdits, SetDpiValueMovesTheKnob) {
  ProfileModel model;
  SetDpiValue(model, 2, 3);
  EXPECT_EQ(model.profile.dpiSet[2], 3);
  EXPECT_EQ(model.dpiKnob[2], 58);
  SetDpiValue(model, 0, 0);
  EXPECT_EQ(model.dpiKnob[0], 45);
  SetDpiValue(model, 3, 4);
  EXPECT_EQ(model.dpiKnob[3], 64);
}

TEST(ProfileEdits, SetDpiValueIgnoresUnknownLevels) {
  ProfileModel model;
  SetDpiValue(model, 4, 1);
  SetDpiValue(model, -1, 1);
  EXPECT_EQ(model.profile, MouseProfile{});
  EXPECT_EQ(model.dpiKnob, (std::array<std::int32_t, kDpiLevelCount>{}));
}

TEST(ProfileEdits, ToggleDpiLevel) {
  struct Case {
    const char* what;
    Flags enabled;
    std::int32_t current;
    int toggled;
    Flags enabledAfter;
    std::int32_t currentAfter;
  };
  const Case cases[] = {
      {"enables a disabled level", {1, 0, 0, 0}, 0, 2, {1, 0, 1, 0}, 0},
      {"disables another level only", {1, 1, 1, 0}, 0, 2, {1, 1, 0, 0}, 0},
      {"moves on to the next enabled level", {1, 1, 1, 0}, 1, 1, {1, 0, 1, 0}, 2},
      {"skips disabled levels", {1, 1, 0, 1}, 1, 1, {1, 0, 0, 1}, 3},
      {"wraps from level 3 to level 0", {1, 1, 0, 0}, 1, 1, {1, 0, 0, 0}, 0},
      {"wraps from the last level", {0, 1, 0, 1}, 3, 3, {0, 1, 0, 0}, 1},
      {"keeps the only enabled level on", {0, 0, 1, 0}, 2, 2, {0, 0, 1, 0}, 2},
      {"ignores level 4", {1, 0, 0, 0}, 0, 4, {1, 0, 0, 0}, 0},
      {"ignores level -1", {1, 0, 0, 0}, 0, -1, {1, 0, 0, 0}, 0},
      // Loaded profiles that break the rules: the last level still stays on.
      {"stored level 7, others enabled", {1, 1, 0, 0}, 7, 0, {0, 1, 0, 0}, 7},
      {"stored level 7, last enabled", {0, 1, 0, 0}, 7, 1, {0, 1, 0, 0}, 1},
      {"stored level -2, last enabled", {1, 0, 0, 0}, -2, 0, {1, 0, 0, 0}, 0},
      {"current level disabled, last enabled", {0, 0, 1, 0}, 0, 2, {0, 0, 1, 0}, 2},
      {"enabling with a stored level 9", {0, 0, 0, 0}, 9, 3, {0, 0, 0, 1}, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MouseProfile profile = Levels(c.enabled, c.current);
    ToggleDpiLevel(profile, c.toggled);
    EXPECT_EQ(profile.dpiSetEnabled, c.enabledAfter);
    EXPECT_EQ(profile.dpiLevel, c.currentAfter);
  }
}

TEST(ProfileEdits, SelectDpiLevel) {
  struct Case {
    const char* what;
    std::int32_t current;
    int selected;
    std::int32_t currentAfter;
  };
  const Case cases[] = {
      {"an enabled level", 0, 2, 2},
      {"a disabled level changes nothing", 0, 1, 0},
      {"level 4 changes nothing", 0, 4, 0},
      {"level -1 changes nothing", 2, -1, 2},
      {"from a stored level 7", 7, 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MouseProfile profile = Levels({1, 0, 1, 1}, c.current);
    SelectDpiLevel(profile, c.selected);
    EXPECT_EQ(profile.dpiLevel, c.currentAfter);
    EXPECT_EQ(profile.dpiSetEnabled, (Flags{1, 0, 1, 1}));
  }
}

}  // namespace
}  // namespace varkel
