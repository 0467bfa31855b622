#include "platform/portable/BmpDecoder.h"
#include "platform/portable/PortableImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "unit/ini/TempFolder.h"
#include "unit/skin/BmpFixture.h"

namespace varkel {
namespace {

using skintest::BmpHeader;
using skintest::ColourAt;
using skintest::MakeBmp;


void ExpectPicture(const std::optional<Bitmap>& bitmap, std::int32_t width, std::int32_t height) {
  ASSERT_TRUE(bitmap);
  ASSERT_EQ(bitmap->Width(), width);
  ASSERT_EQ(bitmap->Height(), height);
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x) ASSERT_EQ(bitmap->At(x, y), ColourAt(x, y)) << x << "," << y;
}

TEST(BmpDecoder, DecodesUncompressedTrueColour) {
  struct Case {
    const char* what;
    BmpHeader header;
  };
  const Case cases[] = {
      {"24-bit bottom-up with row padding", {3, 2, 24}},
      {"24-bit top-down", {5, -3, 24}},
      {"32-bit bottom-up", {3, 4, 32}},
      {"32-bit top-down", {2, -2, 32}},
      {"32-bit with plain colour masks", {3, 2, 32, 3}},
      {"32-bit, version 5 header with masks inside", {3, 2, 32, 3, 124}},
      {"one pixel", {1, 1, 24}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::int32_t rows = c.header.height < 0 ? -c.header.height : c.header.height;
    ExpectPicture(DecodeBmp(MakeBmp(c.header)), c.header.width, rows);
  }
}

TEST(BmpDecoder, RefusesWhatItDoesNotDecode) {
  struct Case {
    const char* what;
    BmpHeader header;
  };
  const Case cases[] = {
      {"8-bit palette", {4, 2, 8}},
      {"16-bit", {4, 2, 16}},
      {"run-length compressed", {4, 2, 24, 1}},
      {"24-bit with bit fields", {4, 2, 24, 3}},
      {"unusual colour masks", {3, 2, 32, 3, 40, {0xFF, 0xFF00, 0xFF0000}}},
      {"old 12-byte header", {4, 2, 24, 0, 12}},
      {"zero width", {0, 2, 24}},
      {"negative width", {-3, 2, 24}},
      {"zero height", {3, 0, 24}},
  };
  for (const Case& c : cases) EXPECT_FALSE(DecodeBmp(MakeBmp(c.header))) << c.what;
}

TEST(BmpDecoder, HostileFilesDecodeToNothing) {
  const std::vector<std::uint8_t> good = MakeBmp({7, 5, 24});
  // Every cut short of the last pixel fails; the full file and one without
  // the last row's padding succeed.
  const std::size_t padding = 24 - 7 * 3;
  const std::size_t lastPixelEnd = good.size() - padding;
  for (std::size_t size = 0; size < good.size(); ++size) {
    const auto bitmap = DecodeBmp(std::span(good.data(), size));
    EXPECT_EQ(bitmap.has_value(), size >= lastPixelEnd) << size;
  }

  struct Patch {
    const char* what;
    std::size_t at;
    std::uint32_t value;
  };
  const Patch patches[] = {
      {"pixels past the end", 10, 0xFFFFFFF0},
      {"huge width", 18, 0x7FFFFFFF},
      {"most negative height", 22, 0x80000000},
      {"huge height", 22, 0x10000000},
      {"not a bitmap", 0, 0x00004D42 ^ 0x0101},
      {"two planes", 26, 0x00180002},
  };
  for (const Patch& p : patches) {
    std::vector<std::uint8_t> bytes = good;
    for (int i = 0; i < 4; ++i) bytes[p.at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(p.value >> (8 * i));
    EXPECT_FALSE(DecodeBmp(bytes)) << p.what;
  }
}

TEST(PortableImages, LoadsBmpAndJpegByContentAndNeverFails) {
  TempFolder folder;
  const HostPaths paths(folder.Path());
  const auto store = [&](std::u16string_view path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(paths.ToHost(path).parent_path());
    std::ofstream(paths.ToHost(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  };
  store(u"C:\\app\\skins\\warning_mask.bmp", MakeBmp({3, 2, 24}));
  store(u"C:\\app\\skins\\main_mask.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10});
  store(u"C:\\app\\skins\\bmp_named.jpg", MakeBmp({4, 4, 32}));
  PortableImages images(paths);
  ExpectPicture(images.Load(u"C:\\app\\skins\\warning_mask.bmp"), 3, 2);
  EXPECT_FALSE(images.Load(u"C:\\app\\skins\\main_mask.jpg"));  // a cut JPEG
  ExpectPicture(images.Load(u"C:\\app\\skins\\bmp_named.jpg"), 4, 4);
  EXPECT_FALSE(images.Load(u"C:\\app\\skins\\missing.bmp"));
  EXPECT_FALSE(images.Load(u"C:\\app\\skins"));  // a folder
}

}  // namespace
}  // namespace varkel
