#include "skin/SkinLayout.h"

#include <algorithm>
#include <limits>

namespace varkel {
namespace {

std::int32_t ClampedSum(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

Rect BoundsOf(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  return {x, y, ClampedSum(x, width), ClampedSum(y, height)};
}

}  // namespace

bool SkinElement::Contains(std::int32_t px, std::int32_t py) const {
  return Bounds().Contains(px, py);
}

Rect SkinElement::Bounds() const { return BoundsOf(x, y, width, height); }

Rect ControlPlace::Bounds() const { return BoundsOf(x, y, width, height); }

std::u16string_view FunctionName(const SkinLayout& layout, std::int32_t code) {
  if (code < 1 || code >= kFunctionNameCount) return {};
  return layout.functionNames[static_cast<std::size_t>(code)];
}

}  // namespace varkel
