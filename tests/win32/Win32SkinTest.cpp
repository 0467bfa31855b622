// GDI+ decoding and GDI regions under the real Windows calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/portable/BmpDecoder.h"
#include "platform/portable/HostPaths.h"
#include "platform/portable/PortableImages.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Images.h"
#include "platform/win32/Win32Ini.h"
#include "platform/win32/Win32Region.h"
#include "skin/MaskToRegion.h"
#include "skin/SkinLayoutLoader.h"
#include "skin/WindowShapes.h"
#include "unit/skin/ShippedSkin.h"
#include "unit/skin/SkinFakes.h"
#include "unit/ini/TempFolder.h"
#include "unit/skin/BmpFixture.h"

namespace varkel {
namespace {

using win32::CreateRegionHandle;
using win32::Win32Images;

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
  const skintest::BmpHeader specs[] = {{5, 3, 24}, {4, -2, 24}, {3, 3, 32}, {6, -1, 32}};
  int n = 0;
  for (const auto& header : specs) {
    const auto bytes = skintest::MakeBmp(header);
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

TEST(Win32Images, DibHoldsTheBitmapsColours) {
  Bitmap bitmap(5, 3);
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 5; ++x) bitmap.Set(x, y, skintest::ColourAt(x, y));
  HBITMAP dib = win32::CreateDib(bitmap);
  ASSERT_NE(dib, nullptr);
  HDC canvas = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(canvas, dib);
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 5; ++x) {
      const COLORREF c = GetPixel(canvas, x, y);
      EXPECT_EQ((Rgb{GetRValue(c), GetGValue(c), GetBValue(c)}), skintest::ColourAt(x, y));
    }
  SelectObject(canvas, old);
  DeleteDC(canvas);
  DeleteObject(dib);
  EXPECT_EQ(win32::CreateDib(Bitmap()), nullptr);
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

TEST(Win32Region, AShapedWindowShowsItsRegion) {
  HWND window = CreateWindowExW(0, L"STATIC", L"shape", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  Region shape = Region::FromRect({0, 0, 40, 30});
  shape.XorRect({5, 5, 15, 10});
  win32::Win32ShapedWindow(window).SetShape(shape);

  HRGN given = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, given), ERROR);
  for (std::int32_t y = 0; y < 30; ++y)
    for (std::int32_t x = 0; x < 40; ++x)
      ASSERT_EQ(PtInRegion(given, x, y) != 0, shape.Contains(x, y)) << x << "," << y;
  DeleteObject(given);
  DestroyWindow(window);
}

// The shipped skin folder as Wine sees it.
std::u16string ShippedSkinDir() {
  std::u16string dir = u"Z:";
  for (const char c : std::string(VARKEL_SHIPPED_SKIN_DIR)) dir += c == '/' ? u'\\' : static_cast<char16_t>(c);
  return dir;
}

std::u16string In(const std::u16string& dir, std::u16string_view name) {
  return dir + u"\\" + std::u16string(name);
}

TEST(Win32ShippedSkin, LoadsAndFitsTheWindowItsMaskGives) {
  const std::u16string dir = ShippedSkinDir();
  win32::Win32Ini ini;
  win32::Win32Files files;
  skintest::Recorder recorder;
  const SkinReader reader{ini, files, recorder, recorder};
  SkinLayout layout;
  ASSERT_TRUE(ReadSkinLayout(reader, dir, layout)) << "skin folder " << std::string(dir.begin(), dir.end());
  EXPECT_TRUE(recorder.log.empty());

  Win32Images images;
  const auto mask = LoadMaskShape(images, In(dir, u"main_mask.jpg"));
  ASSERT_TRUE(mask);
  EXPECT_FALSE(mask->shape.IsEmpty());
  skintest::ExpectUsedElementsInside(layout, mask->width, mask->height, &mask->shape);
}

TEST(Win32ShippedSkin, EveryImageDecodesAtTheSizeTheLayoutExpects) {
  const std::u16string dir = ShippedSkinDir();
  win32::Win32Ini ini;
  win32::Win32Files files;
  skintest::Recorder recorder;
  SkinLayout layout;
  ASSERT_TRUE(ReadSkinLayout({ini, files, recorder, recorder}, dir, layout));
  Win32Images images;
  const auto size = [&](std::u16string_view name) -> std::pair<std::int32_t, std::int32_t> {
    const auto bitmap = images.Load(In(dir, name));
    EXPECT_TRUE(bitmap) << std::string(name.begin(), name.end());
    if (!bitmap) return {0, 0};
    return {bitmap->Width(), bitmap->Height()};
  };

  // Page pictures cover the window.
  const auto window = size(u"main_mask.jpg");
  for (std::u16string_view page :
       {u"main_normal.jpg", u"main_over.jpg", u"main_down.jpg", u"advanced_normal.jpg",
        u"advanced_over.jpg", u"advanced_down.jpg", u"color_normal_pink.jpg", u"color_over_red.jpg",
        u"color_down_purple.jpg", u"color_normal_gray.jpg", u"color_over_blue.jpg"})
    EXPECT_EQ(size(page), window) << std::string(page.begin(), page.end());

  // The knob is copied at the size of each DPI value position.
  const auto knob = size(u"dpi_slider.jpg");
  for (std::size_t p = 45; p < 65; ++p) {
    EXPECT_GE(knob.first, layout.main[p].width) << p;
    EXPECT_GE(knob.second, layout.main[p].height) << p;
  }

  // Popups: looks as large as their masks, with whole rows (10 and 12).
  struct Popup {
    std::u16string_view mask;
    int rows;
    std::u16string_view looks[3];
  };
  const Popup popups[] = {
      {u"menu_mask.jpg", 10, {u"menu_normal.jpg", u"menu_over.jpg", u"menu_down.jpg"}},
      {u"advanced menu_mask.jpg", 12,
       {u"advanced menu_normal.jpg", u"advanced menu_over.jpg", u"advanced menu_down.jpg"}},
  };
  for (const Popup& popup : popups) {
    const auto maskSize = size(popup.mask);
    EXPECT_GT(maskSize.second / popup.rows, 0);
    for (std::u16string_view look : popup.looks)
      EXPECT_EQ(size(look), maskSize) << std::string(look.begin(), look.end());
  }

  // The warning popup: its looks fill its mask, its elements lie on it.
  const auto warning = LoadMaskShape(images, In(dir, u"warning_mask.bmp"));
  ASSERT_TRUE(warning);
  for (std::u16string_view look : {u"warning_normal.jpg", u"warning_over.jpg"})
    EXPECT_EQ(size(look), std::pair(warning->width, warning->height));
  for (const SkinElement& e : layout.warning) {
    EXPECT_FALSE(e.Bounds().IsEmpty());
    EXPECT_TRUE(warning->shape.Contains(e.Bounds().left, e.Bounds().top));
  }
}

// Native builds decode the skin with our own reader; it must see what GDI+
// sees: the same sizes, colours within rounding, the same mask shapes.
TEST(Win32ShippedSkin, PortableDecodersAgreeWithGdiPlus) {
  const std::u16string dir = ShippedSkinDir();
  Win32Images gdiplus;
  PortableImages portable{HostPaths(std::filesystem::path(VARKEL_SHIPPED_SKIN_DIR).parent_path())};
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VARKEL_SHIPPED_SKIN_DIR)) {
    const std::wstring wname = entry.path().filename().wstring();
    const std::u16string name(wname.begin(), wname.end());
    if (name.size() < 4 || (name.substr(name.size() - 4) != u".jpg" && name.substr(name.size() - 4) != u".bmp"))
      continue;
    SCOPED_TRACE(entry.path().filename().string());
    const auto want = gdiplus.Load(In(dir, name));
    const auto got = portable.Load(u"default\\" + name);
    ASSERT_TRUE(want);
    ASSERT_TRUE(got);
    ASSERT_EQ(got->Width(), want->Width());
    ASSERT_EQ(got->Height(), want->Height());
    int worst = 0;
    for (std::int32_t y = 0; y < want->Height(); ++y)
      for (std::int32_t x = 0; x < want->Width(); ++x) {
        const Rgb a = got->At(x, y), b = want->At(x, y);
        worst = std::max({worst, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
      }
    EXPECT_LE(worst, 3);
    ++compared;
    if (name.find(u"mask") != std::u16string::npos) {
      EXPECT_EQ(MaskToRegion(*got), MaskToRegion(*want));
    }
  }
  EXPECT_EQ(compared, 24);  // every image the skin lists
}

}  // namespace
}  // namespace varkel
