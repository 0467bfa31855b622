#include "platform/win32/Win32Images.h"

#include <objidl.h>
#include <gdiplus.h>

#include <string>

namespace varkel::win32 {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

Win32Images::Win32Images() {
  GdiplusStartupInput input;
  ULONG_PTR token = 0;
  started_ = GdiplusStartup(&token, &input, nullptr) == Ok;
  gdiplusToken_ = token;
}

Win32Images::~Win32Images() {
  if (started_) GdiplusShutdown(gdiplusToken_);
}

std::optional<Bitmap> Win32Images::Load(std::u16string_view path) {
  if (!started_) return std::nullopt;
  const std::wstring widePath(path.begin(), path.end());
  GpBitmap* image = nullptr;
  if (GdipCreateBitmapFromFile(widePath.c_str(), &image) != Ok || image == nullptr)
    return std::nullopt;

  std::optional<Bitmap> result;
  UINT width = 0;
  UINT height = 0;
  GdipGetImageWidth(image, &width);
  GdipGetImageHeight(image, &height);
  if (width > 0 && height > 0 && width <= 0x7FFF && height <= 0x7FFF) {
    const GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    BitmapData data{};
    // 32 bits a pixel, blue, green, red and an unused byte, whatever the file held.
    if (GdipBitmapLockBits(image, &all, ImageLockModeRead, PixelFormat32bppRGB, &data) == Ok) {
      Bitmap bitmap(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
      for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
        const auto* src = static_cast<const std::uint8_t*>(data.Scan0) +
                          static_cast<std::ptrdiff_t>(y) * data.Stride;
        Rgb* dst = bitmap.Row(y);
        for (std::int32_t x = 0; x < bitmap.Width(); ++x, src += 4) dst[x] = {src[2], src[1], src[0]};
      }
      GdipBitmapUnlockBits(image, &data);
      result = std::move(bitmap);
    }
  }
  GdipDisposeImage(image);
  return result;
}

HBITMAP CreateDib(const Bitmap& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bitmap.Width();
  info.bmiHeader.biHeight = -bitmap.Height();  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) return dib;
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    const Rgb* row = bitmap.Row(y);
    for (std::int32_t x = 0; x < bitmap.Width(); ++x, out += 4) {
      out[0] = row[x].b;
      out[1] = row[x].g;
      out[2] = row[x].r;
      out[3] = 0;
    }
  }
  GdiFlush();
  return dib;
}

}  // namespace varkel::win32
