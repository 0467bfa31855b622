// Rectangle copies clipped to both pictures, against a pixel-by-pixel model,
// with the hostile numbers a hand-edited layout can hold.
#include <gtest/gtest.h>

#include <random>

#include "platform/portable/PortablePictures.h"
#include "platform/portable/RasterCanvas.h"

namespace varkel {
namespace {

// Every pixel a different colour, so a copy from the wrong place shows.
BitmapPicture Numbered(std::int32_t width, std::int32_t height) {
  Bitmap bitmap(width, height);
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x)
      bitmap.Set(x, y, {static_cast<std::uint8_t>(x + 1), static_cast<std::uint8_t>(y + 1), 7});
  return BitmapPicture(std::move(bitmap), u"C:\\skins\\numbered.bmp");
}

struct CopyCall {
  std::int32_t sourceX, sourceY, width, height, x, y;
};

// What the canvas must show after the copy: each pixel of the copy's
// rectangle that maps inside the source takes that source pixel.
Bitmap Model(const Bitmap& source, Extent canvas, const CopyCall& c) {
  Bitmap out(canvas.width, canvas.height);
  for (std::int32_t cy = 0; cy < canvas.height; ++cy) {
    for (std::int32_t cx = 0; cx < canvas.width; ++cx) {
      const std::int64_t dx = std::int64_t{cx} - c.x, dy = std::int64_t{cy} - c.y;
      if (dx < 0 || dy < 0 || dx >= c.width || dy >= c.height) continue;
      const std::int64_t sx = c.sourceX + dx, sy = c.sourceY + dy;
      if (sx < 0 || sy < 0 || sx >= source.Width() || sy >= source.Height()) continue;
      out.Set(cx, cy, source.At(static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy)));
    }
  }
  return out;
}

void ExpectSame(const Bitmap& a, const Bitmap& b, const CopyCall& c) {
  for (std::int32_t y = 0; y < a.Height(); ++y)
    for (std::int32_t x = 0; x < a.Width(); ++x)
      ASSERT_EQ(a.At(x, y), b.At(x, y)) << "pixel " << x << "," << y << " of copy (" << c.sourceX << ","
                                        << c.sourceY << " " << c.width << "x" << c.height << " to " << c.x << ","
                                        << c.y << ")";
}

TEST(RasterCanvas, CopiesOnlyWhatLiesInsideBothPictures) {
  const BitmapPicture source = Numbered(12, 9);
  const Extent size{10, 8};
  const CopyCall edges[] = {
      {0, 0, 12, 9, 0, 0},                  // the whole picture, larger than the canvas
      {2, 3, 4, 2, 5, 1},                   // plain
      {-3, -2, 6, 6, 1, 1},                 // source starts outside
      {0, 0, 5, 5, -2, -4},                 // target starts outside
      {10, 7, 5, 5, 8, 6},                  // both run over their ends
      {0, 0, -5, 3, 0, 0},                  // negative width
      {0, 0, 3, 3, 10, 0},                  // just off the canvas
      {INT32_MAX, 0, INT32_MAX, 3, 0, 0},   // sums beyond 32 bits
      {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN},
      {0, 0, INT32_MAX, INT32_MAX, INT32_MIN + 1, 0},
  };
  std::vector<CopyCall> calls(std::begin(edges), std::end(edges));
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> near(-15, 20);
  for (int i = 0; i < 300; ++i)
    calls.push_back({near(random), near(random), near(random), near(random), near(random), near(random)});
  for (const CopyCall& c : calls) {
    RasterCanvas canvas(size);
    canvas.Copy(source, c.sourceX, c.sourceY, c.width, c.height, c.x, c.y);
    ExpectSame(canvas.Pixels(), Model(source.Pixels(), size, c), c);
  }
}

TEST(RasterCanvas, BackgroundIsTheWholePictureAtTheOrigin) {
  const BitmapPicture source = Numbered(4, 3);
  RasterCanvas canvas({6, 2});
  canvas.DrawBackground(source);
  ExpectSame(canvas.Pixels(), Model(source.Pixels(), {6, 2}, {0, 0, 4, 3, 0, 0}), {0, 0, 4, 3, 0, 0});
}

TEST(RasterCanvas, FixedTextMeasure) {
  EXPECT_EQ(FixedTextExtent(u""), (Extent{0, 15}));
  EXPECT_EQ(FixedTextExtent(u"DPI+"), (Extent{28, 15}));
  EXPECT_EQ(FixedTextExtent(u"按键1"), (Extent{33, 15}));
}

}  // namespace
}  // namespace varkel
