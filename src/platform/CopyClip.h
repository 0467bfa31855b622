#pragma once
// The part of a rectangle copy that lies inside both the source picture and
// the canvas. Skin layouts are files a person can edit, so any of the numbers
// may be negative or near the ends of the 32-bit range: the sums are formed in
// 64 bits and nothing outside either picture is ever touched.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/Canvas.h"

namespace varkel {

struct CopyArea {
  std::int32_t sourceX = 0;
  std::int32_t sourceY = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const CopyArea&) const = default;
};

namespace copy_clip {

// One axis: source start s, target start t, length n, within source length
// S and target length T. False when nothing is left.
inline bool ClipAxis(std::int64_t& s, std::int64_t& t, std::int64_t& n, std::int64_t S,
                     std::int64_t T) {
  if (s < 0) {
    t -= s;
    n += s;
    s = 0;
  }
  if (t < 0) {
    s -= t;
    n += t;
    t = 0;
  }
  n = std::min({n, S - s, T - t});
  return n > 0;
}

}  // namespace copy_clip

inline std::optional<CopyArea> ClipCopy(Extent source, Extent canvas, std::int32_t sourceX,
                                        std::int32_t sourceY, std::int32_t width, std::int32_t height,
                                        std::int32_t x, std::int32_t y) {
  std::int64_t sx = sourceX, sy = sourceY, w = width, h = height, tx = x, ty = y;
  if (!copy_clip::ClipAxis(sx, tx, w, source.width, canvas.width)) return std::nullopt;
  if (!copy_clip::ClipAxis(sy, ty, h, source.height, canvas.height)) return std::nullopt;
  // Every value now lies within one of the two pictures, so it fits 32 bits.
  return CopyArea{static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy), static_cast<std::int32_t>(w),
                  static_cast<std::int32_t>(h),  static_cast<std::int32_t>(tx), static_cast<std::int32_t>(ty)};
}

}  // namespace varkel
