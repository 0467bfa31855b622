#pragma once
// Rectangles in client pixels (left and top inside, right and bottom outside)
// and points on the screen.
#include <cstdint>

namespace varkel {

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(std::int32_t x, std::int32_t y) const {
    return left <= x && x < right && top <= y && y < bottom;
  }
  bool operator==(const Rect&) const = default;
};

// A point in screen pixels.
struct ScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

}  // namespace varkel
