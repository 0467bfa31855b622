#include "platform/Region.h"

#include <gtest/gtest.h>

#include <random>

#include "SkinFakes.h"

namespace varkel {
namespace {

// A pixel-set model over a small area that all test rectangles stay in.
constexpr std::int32_t kLow = -8, kHigh = 24;
using PixelSet = std::vector<std::vector<bool>>;

PixelSet EmptySet() {
  return PixelSet(kHigh - kLow, std::vector<bool>(kHigh - kLow, false));
}

void ExpectSame(const Region& region, const PixelSet& model) {
  std::int64_t area = 0;
  for (std::int32_t y = kLow; y < kHigh; ++y)
    for (std::int32_t x = kLow; x < kHigh; ++x) {
      const bool in = model[static_cast<std::size_t>(y - kLow)][static_cast<std::size_t>(x - kLow)];
      area += in;
      ASSERT_EQ(region.Contains(x, y), in) << x << "," << y;
    }
  EXPECT_EQ(region.Area(), area);
}

TEST(Region, XorOfRectanglesMatchesAPixelSet) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    Region region;
    PixelSet model = EmptySet();
    const int steps = 1 + static_cast<int>(random() % 8);
    for (int s = 0; s < steps; ++s) {
      auto coord = [&] { return kLow + static_cast<std::int32_t>(random() % (kHigh - kLow + 1)); };
      Rect r{coord(), coord(), coord(), coord()};
      region.XorRect(r);
      for (std::int32_t y = r.top; y < r.bottom; ++y)
        for (std::int32_t x = r.left; x < r.right; ++x) {
          auto&& bit = model[static_cast<std::size_t>(y - kLow)][static_cast<std::size_t>(x - kLow)];
          bit = !bit;
        }
    }
    ExpectSame(region, model);

    // Bands: sorted by top then left, disjoint, and together the same set.
    Region rebuilt;
    Rect previous{};
    bool first = true;
    for (const Rect& band : region.Bands()) {
      ASSERT_FALSE(band.IsEmpty());
      if (!first && band.top == previous.top) {
        ASSERT_EQ(band.bottom, previous.bottom);
        ASSERT_GT(band.left, previous.right);
      } else if (!first) {
        ASSERT_GE(band.top, previous.bottom);
      }
      rebuilt.XorRect(band);
      previous = band;
      first = false;
    }
    EXPECT_EQ(rebuilt, region);
  }
}

TEST(Region, EqualSetsCompareEqualWhateverTheirHistory) {
  Region a = Region::FromRect({0, 0, 4, 4});
  a.XorRect({0, 0, 2, 4});
  Region b = Region::FromRect({2, 0, 4, 2});
  b.XorRect({2, 2, 4, 4});
  EXPECT_EQ(a, b);

  Region gone = Region::FromRect({-5, -5, 5, 5});
  gone.XorRect({-5, -5, 5, 5});
  EXPECT_TRUE(gone.IsEmpty());
  EXPECT_EQ(gone, Region());
  EXPECT_TRUE(gone.Bands().empty());
}

TEST(Region, RowsOfEqualSpansMergeIntoBands) {
  Region region;
  for (std::int32_t y = 2; y < 6; ++y) region.AppendRow(y, {{0, 3}, {5, 9}});
  region.AppendRow(6, {{1, 2}});
  region.AppendRow(9, {{1, 2}});  // rows 7 and 8 empty
  EXPECT_EQ(region.Bands(), (std::vector<Rect>{{0, 2, 3, 6}, {5, 2, 9, 6}, {1, 6, 2, 7}, {1, 9, 2, 10}}));
  EXPECT_EQ(region.Bounds(), (Rect{0, 2, 9, 10}));
}

}  // namespace
}  // namespace varkel
