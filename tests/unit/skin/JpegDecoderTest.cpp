#include "platform/portable/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace varkel {
namespace {

// The pictures in tests/data/jpeg: 16 x 16 blocks of these colours, four to a
// row of blocks (make-fixtures.py).
const Rgb kColours[] = {{220, 30, 40}, {30, 200, 60},   {40, 60, 210}, {250, 250, 250},
                        {0, 0, 0},     {128, 128, 128}, {200, 180, 20}, {20, 180, 200}};

std::vector<std::uint8_t> Fixture(const std::string& name) {
  std::ifstream in(std::string(VARKEL_SOURCE_DIR) + "/tests/data/jpeg/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Rgb Grey(Rgb c) {
  const auto y = static_cast<std::uint8_t>(0.299 * c.r + 0.587 * c.g + 0.114 * c.b + 0.5);
  return {y, y, y};
}

TEST(JpegDecoder, DecodesBaselineVariants) {
  struct Case {
    const char* file;
    std::int32_t width;
    std::int32_t height;
    bool grey;
  };
  const Case cases[] = {
      {"blocks-420.jpg", 64, 32, false}, {"blocks-422.jpg", 64, 32, false},
      {"blocks-444.jpg", 64, 32, false}, {"blocks-grey.jpg", 64, 32, true},
      {"blocks-odd.jpg", 37, 23, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const auto bytes = Fixture(c.file);
    ASSERT_FALSE(bytes.empty());
    const auto bitmap = DecodeJpeg(bytes);
    ASSERT_TRUE(bitmap);
    ASSERT_EQ(bitmap->Width(), c.width);
    ASSERT_EQ(bitmap->Height(), c.height);
    // Quantisation leaves a few levels of error; a wrong table or sampling
    // factor gives tens.
    int worst = 0;
    for (std::int32_t y = 0; y < c.height; ++y)
      for (std::int32_t x = 0; x < c.width; ++x) {
        Rgb want = kColours[(x / 16) % 4 + 4 * ((y / 16) % 2)];
        if (c.grey) want = Grey(want);
        const Rgb got = bitmap->At(x, y);
        worst = std::max({worst, std::abs(got.r - want.r), std::abs(got.g - want.g),
                          std::abs(got.b - want.b)});
      }
    EXPECT_LE(worst, 4);
  }
}

TEST(JpegDecoder, RefusesProgressiveAndOtherFiles) {
  EXPECT_FALSE(DecodeJpeg(Fixture("blocks-progressive.jpg")));
  EXPECT_FALSE(DecodeJpeg(std::vector<std::uint8_t>{'B', 'M', 0, 0}));
  EXPECT_FALSE(DecodeJpeg(std::vector<std::uint8_t>{}));
}

TEST(JpegDecoder, DamagedFilesNeverCrash) {
  const auto good = Fixture("blocks-420.jpg");
  ASSERT_TRUE(DecodeJpeg(good));
  // Every cut decodes to nothing or to a picture of the right size; every
  // single-byte change the same.
  for (std::size_t size = 0; size < good.size(); ++size) {
    const auto bitmap = DecodeJpeg(std::span(good.data(), size));
    if (bitmap) {
      EXPECT_EQ(bitmap->Width(), 64) << size;
    }
  }
  for (std::size_t at = 0; at < good.size(); ++at)
    for (std::uint8_t value : {0x00, 0xFF, 0x7F}) {
      auto bytes = good;
      bytes[at] = value;
      const auto bitmap = DecodeJpeg(bytes);
      if (bitmap) {
        EXPECT_GT(bitmap->Width(), 0);
      }
    }
}

}  // namespace
}  // namespace varkel
