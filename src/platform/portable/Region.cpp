#include "platform/Region.h"

#include <algorithm>

namespace varkel {
namespace {

// Symmetric difference of a row's spans and [left, right): every span edge
// flips membership, so after sorting the edges, two equal edges cancel and
// the rest pair up into the resulting spans.
std::vector<Span> XorSpans(const std::vector<Span>& row, std::int32_t left, std::int32_t right) {
  std::vector<std::int32_t> edges;
  edges.reserve(row.size() * 2 + 2);
  for (const Span& s : row) {
    edges.push_back(s.left);
    edges.push_back(s.right);
  }
  edges.push_back(left);
  edges.push_back(right);
  std::sort(edges.begin(), edges.end());

  std::vector<std::int32_t> kept;
  kept.reserve(edges.size());
  for (std::int32_t e : edges) {
    if (!kept.empty() && kept.back() == e) {
      kept.pop_back();
    } else {
      kept.push_back(e);
    }
  }
  std::vector<Span> result;
  result.reserve(kept.size() / 2);
  for (std::size_t i = 0; i + 1 < kept.size(); i += 2) result.push_back({kept[i], kept[i + 1]});
  return result;
}

}  // namespace

Region Region::FromRect(const Rect& rect) {
  Region region;
  region.XorRect(rect);
  return region;
}

void Region::AppendRow(std::int32_t y, std::vector<Span> spans) {
  // Keep the row canonical whatever the caller passed: no empty spans, no
  // touching neighbours.
  std::vector<Span> row;
  row.reserve(spans.size());
  for (const Span& s : spans) {
    if (s.right <= s.left) continue;
    if (!row.empty() && s.left < row.back().right) return;  // out of order: refuse the row
    if (!row.empty() && s.left == row.back().right) {
      row.back().right = s.right;
    } else {
      row.push_back(s);
    }
  }
  if (row.empty()) return;
  if (rows_.empty()) {
    top_ = y;
  } else {
    const std::int64_t next = static_cast<std::int64_t>(top_) + static_cast<std::int64_t>(rows_.size());
    if (y < next) return;  // rows come from the top down
    rows_.resize(static_cast<std::size_t>(static_cast<std::int64_t>(y) - top_));
  }
  rows_.push_back(std::move(row));
}

std::vector<Span>& Region::RowAt(std::int32_t y) {
  if (rows_.empty()) {
    top_ = y;
    rows_.emplace_back();
  } else if (y < top_) {
    rows_.insert(rows_.begin(), static_cast<std::size_t>(static_cast<std::int64_t>(top_) - y),
                 std::vector<Span>{});
    top_ = y;
  } else if (static_cast<std::int64_t>(y) - top_ >= static_cast<std::int64_t>(rows_.size())) {
    rows_.resize(static_cast<std::size_t>(static_cast<std::int64_t>(y) - top_) + 1);
  }
  return rows_[static_cast<std::size_t>(static_cast<std::int64_t>(y) - top_)];
}

void Region::XorRect(const Rect& rect) {
  if (rect.IsEmpty()) return;
  RowAt(rect.top);
  RowAt(rect.bottom - 1);
  for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
    auto& row = rows_[static_cast<std::size_t>(static_cast<std::int64_t>(y) - top_)];
    row = XorSpans(row, rect.left, rect.right);
  }
  Trim();
}

void Region::Trim() {
  std::size_t first = 0;
  while (first < rows_.size() && rows_[first].empty()) ++first;
  std::size_t end = rows_.size();
  while (end > first && rows_[end - 1].empty()) --end;
  if (first == end) {
    rows_.clear();
    top_ = 0;
    return;
  }
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(end), rows_.end());
  rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(first));
  top_ += static_cast<std::int32_t>(first);
}

bool Region::Contains(std::int32_t x, std::int32_t y) const {
  const std::int64_t i = static_cast<std::int64_t>(y) - top_;
  if (i < 0 || i >= static_cast<std::int64_t>(rows_.size())) return false;
  const auto& row = rows_[static_cast<std::size_t>(i)];
  auto it = std::upper_bound(row.begin(), row.end(), x,
                             [](std::int32_t v, const Span& s) { return v < s.right; });
  return it != row.end() && it->left <= x;
}

std::int64_t Region::Area() const {
  std::int64_t area = 0;
  for (const auto& row : rows_)
    for (const Span& s : row) area += static_cast<std::int64_t>(s.right) - s.left;
  return area;
}

Rect Region::Bounds() const {
  if (rows_.empty()) return {};
  Rect bounds{rows_.front().front().left, top_, rows_.front().front().right,
              top_ + static_cast<std::int32_t>(rows_.size())};
  for (const auto& row : rows_) {
    if (row.empty()) continue;
    bounds.left = std::min(bounds.left, row.front().left);
    bounds.right = std::max(bounds.right, row.back().right);
  }
  return bounds;
}

std::vector<Rect> Region::Bands() const {
  std::vector<Rect> rects;
  std::size_t i = 0;
  while (i < rows_.size()) {
    std::size_t end = i + 1;
    while (end < rows_.size() && rows_[end] == rows_[i]) ++end;
    const std::int32_t top = top_ + static_cast<std::int32_t>(i);
    const std::int32_t bottom = top_ + static_cast<std::int32_t>(end);
    for (const Span& s : rows_[i]) rects.push_back({s.left, top, s.right, bottom});
    i = end;
  }
  return rects;
}

}  // namespace varkel
