// Time to turn a mask image into a window shape, two ways:
//   spans      one pass over the mask collecting runs of visible pixels; on
//              Windows the runs become a region with one ExtCreateRegion call
//   per-pixel  the full rectangle with every light pixel toggled out by
//              exclusive-or, column by column: on Windows CreateRectRgn and
//              CombineRgn(RGN_XOR) per light pixel; natively a plain set of
//              pixel positions
// Both results are compared pixel by pixel before anything is printed.
//
//   varkel_bench_region [--mask PATH | --generated shipped|round] [--runs N]
//
// PATH: a JPEG or BMP (GDI+ on Windows, our own readers natively). Without a mask, a
// generated 800 x 600 mask: "shipped" cuts the corners as the shipped skin
// does (20 px at the top, 28 at the bottom); "round" is an ellipse.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Images.h"
#include "platform/Region.h"
#include "skin/MaskToRegion.h"
#ifdef _WIN32
#include "platform/win32/Win32Images.h"
#include "platform/win32/Win32Region.h"
#else
#include <fstream>
#include <iterator>

#include "platform/portable/BmpDecoder.h"
#include "platform/portable/JpegDecoder.h"
#endif

namespace varkel::bench {
namespace {

constexpr Rgb kLight{255, 255, 255};
constexpr Rgb kDark{0, 0, 0};

Bitmap GeneratedMask(const std::string& kind) {
  constexpr std::int32_t w = 800, h = 600;
  Bitmap mask(w, h, kDark);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) {
      bool light = false;
      if (kind == "round") {
        const double dx = (x + 0.5 - w / 2.0) / (w / 2.0), dy = (y + 0.5 - h / 2.0) / (h / 2.0);
        light = dx * dx + dy * dy > 1.0;
      } else {
        const std::int32_t cut = y < h / 2 ? 20 - y : 28 - (h - 1 - y);
        light = x < cut || w - 1 - x < cut;
      }
      if (light) mask.Set(x, y, kLight);
    }
  return mask;
}

std::optional<Bitmap> LoadMask(const std::string& path) {
#ifdef _WIN32
  win32::Win32Images images;
  return images.Load(std::u16string(path.begin(), path.end()));
#else
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return DecodeJpeg(bytes);
  return DecodeBmp(bytes);
#endif
}

double Ms(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct Timing {
  double min = 0;
  double median = 0;
};

Timing Measure(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(Ms(work));
  std::sort(times.begin(), times.end());
  return {times.front(), times[times.size() / 2]};
}

std::int64_t LightPixels(const Bitmap& mask) {
  std::int64_t n = 0;
  for (std::int32_t y = 0; y < mask.Height(); ++y)
    for (std::int32_t x = 0; x < mask.Width(); ++x) n += IsTransparentMaskPixel(mask.At(x, y));
  return n;
}

#ifdef _WIN32
using Shape = HRGN;

Shape SpanShape(const Bitmap& mask) { return win32::CreateRegionHandle(MaskToRegion(mask)); }

Shape PerPixelShape(const Bitmap& mask) {
  HRGN shape = CreateRectRgn(0, 0, mask.Width(), mask.Height());
  for (std::int32_t x = 0; x < mask.Width(); ++x)
    for (std::int32_t y = 0; y < mask.Height(); ++y)
      if (IsTransparentMaskPixel(mask.At(x, y))) {
        HRGN pixel = CreateRectRgn(x, y, x + 1, y + 1);
        CombineRgn(shape, shape, pixel, RGN_XOR);
        DeleteObject(pixel);
      }
  return shape;
}

bool Same(Shape a, Shape b) { return EqualRgn(a, b) != 0; }
void Release(Shape s) { DeleteObject(s); }
const char* kPlatform = "Windows (GDI regions)";
#else
// Natively the span result is the Region itself; the per-pixel model is the
// plainest set there is.
struct Shape {
  std::optional<Region> spans;
  std::set<std::pair<std::int32_t, std::int32_t>> pixels;
};

Shape SpanShape(const Bitmap& mask) { return {MaskToRegion(mask), {}}; }

Shape PerPixelShape(const Bitmap& mask) {
  Shape shape;
  for (std::int32_t y = 0; y < mask.Height(); ++y)
    for (std::int32_t x = 0; x < mask.Width(); ++x) shape.pixels.insert({y, x});
  for (std::int32_t x = 0; x < mask.Width(); ++x)
    for (std::int32_t y = 0; y < mask.Height(); ++y)
      if (IsTransparentMaskPixel(mask.At(x, y))) {
        if (!shape.pixels.erase({y, x})) shape.pixels.insert({y, x});
      }
  return shape;
}

bool Same(const Shape& spans, const Shape& perPixel) {
  if (spans.spans->Area() != static_cast<std::int64_t>(perPixel.pixels.size())) return false;
  for (const auto& [y, x] : perPixel.pixels)
    if (!spans.spans->Contains(x, y)) return false;
  return true;
}
void Release(const Shape&) {}
const char* kPlatform = "native (Region spans vs std::set of pixels)";
#endif

int Run(int argc, char** argv) {
  std::string maskPath;
  std::string generated = "shipped";
  int runs = 5;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--mask")) maskPath = argv[i + 1];
    else if (!std::strcmp(argv[i], "--generated")) generated = argv[i + 1];
    else if (!std::strcmp(argv[i], "--runs")) runs = std::max(1, std::atoi(argv[i + 1]));
  }
  std::optional<Bitmap> mask = maskPath.empty() ? GeneratedMask(generated) : LoadMask(maskPath);
  if (!mask) {
    std::fprintf(stderr, "cannot decode %s\n", maskPath.c_str());
    return 1;
  }

  auto spans = SpanShape(*mask);
  auto perPixel = PerPixelShape(*mask);
  const bool same = Same(spans, perPixel);
  Release(spans);
  Release(perPixel);
  if (!same) {
    std::fprintf(stderr, "the two constructions disagree\n");
    return 1;
  }

  const Timing spanTime = Measure(runs, [&] { Release(SpanShape(*mask)); });
  const Timing pixelTime = Measure(runs, [&] { Release(PerPixelShape(*mask)); });
  std::printf("platform    %s\n", kPlatform);
  std::printf("mask        %s, %d x %d, %lld light pixels, %zu bands\n",
              maskPath.empty() ? ("generated " + generated).c_str() : maskPath.c_str(),
              mask->Width(), mask->Height(), static_cast<long long>(LightPixels(*mask)),
              MaskToRegion(*mask).Bands().size());
  std::printf("spans       min %.3f ms, median %.3f ms (%d runs)\n", spanTime.min, spanTime.median, runs);
  std::printf("per-pixel   min %.3f ms, median %.3f ms (%d runs)\n", pixelTime.min, pixelTime.median, runs);
  std::printf("ratio       %.1f x (median per-pixel / median spans)\n", pixelTime.median / spanTime.median);
  return 0;
}

}  // namespace
}  // namespace varkel::bench

int main(int argc, char** argv) { return varkel::bench::Run(argc, argv); }
