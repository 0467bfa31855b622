#include "skin/WindowShapes.h"

#include <gtest/gtest.h>

#include "SkinFakes.h"

namespace varkel {
namespace {

const AppPaths kPaths = MakeAppPaths(u"C:\\app");
const std::u16string kPicture = u"C:\\app\\skins\\main_normal.jpg";

TEST(ShapeMainWindow, TakesSizeAndShapeFromTheMask) {
  skintest::FakeImages images;
  Bitmap mask(30, 20, {0, 0, 0});
  mask.Set(0, 0, {255, 255, 255});
  images.bitmaps[kPaths.maskPath] = mask;
  images.bitmaps[kPicture] = Bitmap(99, 99);
  skintest::FakeWindow window;
  SkinLayout layout;
  layout.nameBox = {1, 1, 2, 2};

  const MainWindowRegions regions = ShapeMainWindow(images, window, kPaths, layout);
  EXPECT_EQ(layout.windowWidth, 30);
  EXPECT_EQ(layout.windowHeight, 20);
  ASSERT_EQ(window.shapes.size(), 1u);
  EXPECT_EQ(window.shapes[0], regions.shape);
  EXPECT_FALSE(regions.shape.Contains(0, 0));
  EXPECT_EQ(regions.shape.Area(), 30 * 20 - 1);
  EXPECT_FALSE(regions.advancedRepaint.Contains(1, 1));
}

// Without a decodable mask the window stays usable: rectangular, as large as
// the page's picture, or a fixed size when that cannot be read either.
TEST(ShapeMainWindow, FallsBackToARectangleWhenTheMaskCannotBeRead) {
  struct Case {
    const char* what;
    bool picture;
    std::int32_t width;
    std::int32_t height;
  };
  const Case cases[] = {
      {"picture readable", true, 640, 480},
      {"nothing readable", false, kFallbackWindowWidth, kFallbackWindowHeight},
  };
  for (const Case& c : cases) {
    skintest::FakeImages images;
    if (c.picture) images.bitmaps[kPicture] = Bitmap(640, 480);
    skintest::FakeWindow window;
    SkinLayout layout;
    layout.macroList = {10, 10, 5, 5};
    const MainWindowRegions regions = ShapeMainWindow(images, window, kPaths, layout);
    EXPECT_EQ(layout.windowWidth, c.width) << c.what;
    EXPECT_EQ(layout.windowHeight, c.height) << c.what;
    ASSERT_EQ(window.shapes.size(), 1u);
    EXPECT_EQ(window.shapes[0], Region::FromRect({0, 0, c.width, c.height})) << c.what;
    EXPECT_EQ(regions.advancedRepaint.Area(), std::int64_t{c.width} * c.height - 25) << c.what;
  }
}

TEST(LoadMaskShape, GivesShapeAndSizeOrNothing) {
  skintest::FakeImages images;
  Bitmap mask(4, 3, {255, 255, 255});
  mask.Set(1, 2, {0, 0, 0});
  images.bitmaps[u"w.bmp"] = mask;
  const auto shape = LoadMaskShape(images, u"w.bmp");
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->width, 4);
  EXPECT_EQ(shape->height, 3);
  EXPECT_EQ(shape->shape, Region::FromRect({1, 2, 2, 3}));
  EXPECT_FALSE(LoadMaskShape(images, u"missing.bmp"));
}

}  // namespace
}  // namespace varkel
