#pragma once
// Window shapes from mask images: light pixels are holes, dark ones show.
#include "platform/Images.h"
#include "platform/Region.h"

namespace varkel {

// Red, green and blue all above 100.
constexpr bool IsTransparentMaskPixel(Rgb colour) {
  return colour.r > 100 && colour.g > 100 && colour.b > 100;
}

// The mask's visible pixels, in one pass over the mask.
Region MaskToRegion(const Bitmap& mask);

}  // namespace varkel
