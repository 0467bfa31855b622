#include "skin/MaskToRegion.h"

#include <gtest/gtest.h>

#include <random>

#include "SkinFakes.h"
#include "skin/WindowShapes.h"

namespace varkel {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// The shape as the per-pixel construction defines it: the full rectangle,
// with every light pixel toggled out by exclusive-or, column by column.
std::vector<std::vector<bool>> PerPixelReference(const Bitmap& mask) {
  std::vector<std::vector<bool>> in(static_cast<std::size_t>(mask.Height()),
                                    std::vector<bool>(static_cast<std::size_t>(mask.Width()), true));
  for (std::int32_t x = 0; x < mask.Width(); ++x)
    for (std::int32_t y = 0; y < mask.Height(); ++y)
      if (IsTransparentMaskPixel(mask.At(x, y)))
        in[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] =
            !in[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
  return in;
}

void ExpectSameSet(const Region& region, const std::vector<std::vector<bool>>& reference) {
  std::int64_t area = 0;
  for (std::size_t y = 0; y < reference.size(); ++y)
    for (std::size_t x = 0; x < reference[y].size(); ++x) {
      area += reference[y][x];
      ASSERT_EQ(region.Contains(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)),
                reference[y][x])
          << x << "," << y;
    }
  EXPECT_EQ(region.Area(), area);  // and nothing outside the mask
}

TEST(MaskToRegion, ThresholdIsAbove100InAllThreeComponents) {
  struct Case {
    Rgb colour;
    bool visible;
  };
  const Case cases[] = {
      {{101, 101, 101}, false}, {{100, 255, 255}, true}, {{255, 255, 100}, true},
      {{255, 100, 255}, true},  {kWhite, false},         {kBlack, true},
      {{100, 100, 100}, true},  {{200, 150, 101}, false},
  };
  for (const Case& c : cases) {
    const Region region = MaskToRegion(Bitmap(1, 1, c.colour));
    EXPECT_EQ(region.Contains(0, 0), c.visible)
        << int{c.colour.r} << "," << int{c.colour.g} << "," << int{c.colour.b};
  }
}

TEST(MaskToRegion, UniformMasks) {
  EXPECT_TRUE(MaskToRegion(Bitmap(40, 30, kWhite)).IsEmpty());
  EXPECT_EQ(MaskToRegion(Bitmap(40, 30, kBlack)), Region::FromRect({0, 0, 40, 30}));
  EXPECT_TRUE(MaskToRegion(Bitmap()).IsEmpty());
}

TEST(MaskToRegion, EqualsThePerPixelConstructionOnRandomMasks) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const std::int32_t w = 1 + static_cast<std::int32_t>(random() % 37);
    const std::int32_t h = 1 + static_cast<std::int32_t>(random() % 23);
    Bitmap mask(w, h);
    // Blobs as well as noise, so that runs of every length occur.
    const int lightPercent = static_cast<int>(random() % 101);
    for (std::int32_t y = 0; y < h; ++y)
      for (std::int32_t x = 0; x < w; ++x) {
        const auto v = static_cast<std::uint8_t>(random() % 100 < static_cast<unsigned>(lightPercent)
                                                     ? 101 + random() % 155
                                                     : random() % 101);
        mask.Set(x, y, {v, static_cast<std::uint8_t>(random() % 2 ? v : 255), 255});
      }
    ExpectSameSet(MaskToRegion(mask), PerPixelReference(mask));
  }
}

// A 10 x 10 window whose right half (x >= 5) is transparent.
Bitmap HalfMask() {
  Bitmap mask(10, 10, kBlack);
  for (std::int32_t y = 0; y < 10; ++y)
    for (std::int32_t x = 5; x < 10; ++x) mask.Set(x, y, kWhite);
  return mask;
}

TEST(MainWindowRegions, PlacesAreToggledIntoTheAdvancedRegion) {
  SkinLayout layout;
  layout.nameBox = {3, 1, 4, 2};    // x 3..6: half inside the shape, half outside
  layout.macroList = {0, 5, 2, 2};  // inside
  layout.eventList = {6, 7, 2, 2};  // outside
  layout.repeatBox = {0, 0, 10, 10};  // never toggled
  const MainWindowRegions regions = BuildMainWindowRegions(HalfMask(), layout);

  EXPECT_EQ(regions.width, 10);
  EXPECT_EQ(regions.height, 10);
  EXPECT_EQ(regions.shape, Region::FromRect({0, 0, 5, 10}));

  Region expected = Region::FromRect({0, 0, 5, 10});
  for (const Rect& r : {Rect{3, 1, 7, 3}, Rect{0, 5, 2, 7}, Rect{6, 7, 8, 9}}) expected.XorRect(r);
  EXPECT_EQ(regions.advancedRepaint, expected);
  EXPECT_FALSE(regions.advancedRepaint.Contains(4, 1));  // inner part removed
  EXPECT_TRUE(regions.advancedRepaint.Contains(5, 1));   // outer part added
  EXPECT_FALSE(regions.advancedRepaint.Contains(1, 5));
  EXPECT_TRUE(regions.advancedRepaint.Contains(7, 8));
  EXPECT_TRUE(regions.advancedRepaint.Contains(0, 0));
}

TEST(MainWindowRegions, PlacesBeyondTheWindowAreClipped) {
  SkinLayout layout;
  layout.nameBox = {-2000000000, 8, 2000000007, 2000000000};  // x to 7, down past the window
  const MainWindowRegions regions = BuildMainWindowRegions(HalfMask(), layout);
  Region expected = Region::FromRect({0, 0, 5, 8});
  expected.XorRect({5, 8, 7, 10});
  EXPECT_EQ(regions.advancedRepaint, expected);
}

}  // namespace
}  // namespace varkel
