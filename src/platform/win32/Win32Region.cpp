#include "platform/win32/Win32Region.h"

#include <algorithm>
#include <vector>

namespace varkel::win32 {
namespace {

HRGN FromRects(const Rect* rects, std::size_t count, const Rect& bounds) {
  std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  data->rdh.rcBound = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t i = 0; i < count; ++i)
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN CreateRegionHandle(const Region& region) {
  const std::vector<Rect> bands = region.Bands();
  if (bands.empty()) return CreateRectRgn(0, 0, 0, 0);
  if (HRGN handle = FromRects(bands.data(), bands.size(), region.Bounds())) return handle;

  // Some systems refuse very long rectangle lists: build it in pieces.
  constexpr std::size_t kPiece = 2000;
  HRGN whole = CreateRectRgn(0, 0, 0, 0);
  for (std::size_t at = 0; at < bands.size() && whole; at += kPiece) {
    const std::size_t count = std::min(kPiece, bands.size() - at);
    Rect bounds = bands[at];
    for (std::size_t i = at; i < at + count; ++i) {
      bounds.left = std::min(bounds.left, bands[i].left);
      bounds.right = std::max(bounds.right, bands[i].right);
      bounds.bottom = std::max(bounds.bottom, bands[i].bottom);
    }
    HRGN piece = FromRects(bands.data() + at, count, bounds);
    if (!piece) {
      DeleteObject(whole);
      return nullptr;
    }
    CombineRgn(whole, whole, piece, RGN_OR);
    DeleteObject(piece);
  }
  return whole;
}

void Win32ShapedWindow::SetShape(const Region& shape) {
  HRGN handle = CreateRegionHandle(shape);
  if (!handle) return;
  if (!SetWindowRgn(window_, handle, TRUE)) DeleteObject(handle);
}

}  // namespace varkel::win32
