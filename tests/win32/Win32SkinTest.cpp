// GDI+ decoding and GDI regions under the real Windows calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/portable/BmpDecoder.h"
#include "platform/win32/Win32Images.h"
#include "platform/win32/Win32Region.h"
#include "skin/MaskToRegion.h"
#include "unit/ini/TempFolder.h"
#include "unit/skin/BmpFixture.h"

namespace varkel {
namespace {

std::u16string Wide(const std::filesystem::path& path) {
  const std::wstring w = path.wstring();
  return {w.begin(), w.end()};
}

void Store(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(Win32Images, GdiPlusDecodesBmpAsThePortableReaderDoes) {
  TempFolder folder;
  Win32Images images;
  const skintest::BmpSpec specs[] = {{5, 3, 24}, {4, -2, 24}, {3, 3, 32}, {6, -1, 32}};
  int n = 0;
  for (const auto& spec : specs) {
    const auto bytes = skintest::MakeBmp(spec);
    const auto path = folder.Path() / std::string("m").append(std::to_string(n++)).append(".bmp");
    Store(path, bytes);
    const auto gdiplus = images.Load(Wide(path));
    const auto portable = DecodeBmp(bytes);
    ASSERT_TRUE(gdiplus) << n;
    ASSERT_TRUE(portable) << n;
    ASSERT_EQ(gdiplus->Width(), portable->Width());
    ASSERT_EQ(gdiplus->Height(), portable->Height());
    for (std::int32_t y = 0; y < portable->Height(); ++y)
      for (std::int32_t x = 0; x < portable->Width(); ++x)
        ASSERT_EQ(gdiplus->At(x, y), portable->At(x, y)) << n << ": " << x << "," << y;
  }
}

TEST(Win32Images, WhatCannotBeDecodedIsNoImage) {
  TempFolder folder;
  Store(folder.Path() / "garbage.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3});
  auto truncated = skintest::MakeBmp({20, 20, 24});
  truncated.resize(60);
  Store(folder.Path() / "short.bmp", truncated);
  Win32Images images;
  for (const char* name : {"garbage.jpg", "short.bmp", "missing.bmp", ""})
    EXPECT_FALSE(images.Load(Wide(folder.Path() / name))) << name;
}

TEST(Win32Region, HandleHoldsExactlyTheRegionsPixels) {
  std::mt19937 random(3);
  for (int round = 0; round < 6; ++round) {
    Bitmap mask(48, 32, {0, 0, 0});
    for (std::int32_t y = 0; y < mask.Height(); ++y)
      for (std::int32_t x = 0; x < mask.Width(); ++x)
        if (random() % 3 == 0) mask.Set(x, y, {255, 255, 255});
    Region region = MaskToRegion(mask);
    region.XorRect({-4, 10, 60, 12});  // reaches outside the mask
    HRGN handle = CreateRegionHandle(region);
    ASSERT_NE(handle, nullptr);
    for (std::int32_t y = -6; y < 40; ++y)
      for (std::int32_t x = -6; x < 64; ++x)
        ASSERT_EQ(PtInRegion(handle, x, y) != 0, region.Contains(x, y)) << x << "," << y;
    DeleteObject(handle);
  }

  HRGN empty = CreateRegionHandle(Region());
  RECT box{};
  EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
  DeleteObject(empty);
}

}  // namespace
}  // namespace varkel
