#include "platform/Images.h"

namespace varkel {

Bitmap::Bitmap(std::int32_t width, std::int32_t height, Rgb fill) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

}  // namespace varkel
