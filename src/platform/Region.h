#pragma once
// A set of pixels, held as rows of horizontal spans. Window shapes and repaint
// areas are built as regions and handed to the platform whole. Memory grows
// with the rows covered, so callers keep rectangles to the window's size.
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

namespace varkel {

// Pixels left <= x < right of one row.
struct Span {
  std::int32_t left = 0;
  std::int32_t right = 0;
  bool operator==(const Span&) const = default;
};

class Region {
 public:
  Region() = default;
  static Region FromRect(const Rect& rect);

  // Builds a region row by row from the top: rows must come in order, each
  // row's spans sorted, non-empty and not touching. An empty row is allowed.
  void AppendRow(std::int32_t y, std::vector<Span> spans);

  // Exclusive-or of a rectangle: its pixels inside the region leave it, the
  // others join it.
  void XorRect(const Rect& rect);

  bool Contains(std::int32_t x, std::int32_t y) const;
  bool IsEmpty() const { return rows_.empty(); }
  std::int64_t Area() const;
  Rect Bounds() const;

  // The region as rectangles sorted by top, then left, with rows of equal
  // spans merged into one band: the form the platform's region data takes.
  std::vector<Rect> Bands() const;

  // Equal as sets of pixels.
  bool operator==(const Region& other) const = default;

 private:
  // Empty rows are kept out at both ends, and spans never touch, so two
  // equal sets have the same representation.
  void Trim();
  std::vector<Span>& RowAt(std::int32_t y);

  std::int32_t top_ = 0;
  std::vector<std::vector<Span>> rows_;  // row top_ + i
};

}  // namespace varkel
