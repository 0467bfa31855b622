#include "config/ProfileValues.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace varkel {
namespace {

TEST(ProfileValues, DpiLevelIndexStaysInsideTheFourLevels) {
  struct Case {
    std::int32_t stored;
    int index;
  };
  const Case cases[] = {{0, 0}, {3, 3}, {2, 2}, {4, 0}, {7, 0}, {-1, 0}, {INT32_MIN, 0}};
  for (const Case& c : cases) {
    MouseProfile profile;
    profile.dpiLevel = c.stored;
    EXPECT_EQ(DpiLevelIndex(profile), c.index) << c.stored;
  }
}

TEST(ProfileValues, PointerSpeedFor) {
  struct Case {
    std::uint8_t option;
    std::optional<std::uint8_t> speed;
  };
  const Case cases[] = {{8, 7},  {9, 9},   {10, 10},         {1, 1},
                        {20, 20}, {0, std::nullopt}, {21, std::nullopt}, {255, std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(PointerSpeedFor(c.option), c.speed) << int(c.option);
}

}  // namespace
}  // namespace varkel
