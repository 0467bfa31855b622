#include "skin/MaskToRegion.h"

namespace varkel {

Region MaskToRegion(const Bitmap& mask) {
  Region region;
  std::vector<Span> spans;
  for (std::int32_t y = 0; y < mask.Height(); ++y) {
    spans.clear();
    const Rgb* row = mask.Row(y);
    std::int32_t x = 0;
    while (x < mask.Width()) {
      while (x < mask.Width() && IsTransparentMaskPixel(row[x])) ++x;
      const std::int32_t left = x;
      while (x < mask.Width() && !IsTransparentMaskPixel(row[x])) ++x;
      if (x > left) spans.push_back({left, x});
    }
    region.AppendRow(y, spans);
  }
  return region;
}

}  // namespace varkel
