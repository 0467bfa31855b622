#pragma once
// Points and rectangles in pixels; rectangles have left and top inside,
// right and bottom outside.
#include <cstdint>

namespace varkel {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

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

}  // namespace varkel
