#include "platform/portable/RasterCanvas.h"

#include <algorithm>

#include "platform/CopyClip.h"
#include "platform/portable/PortablePictures.h"

namespace varkel {
namespace {

constexpr std::int32_t kNarrowWidth = 7;
constexpr std::int32_t kWideWidth = 13;
constexpr std::int32_t kTextHeight = 15;

std::int32_t Positive(std::int32_t n) { return n > 0 ? n : 0; }

}  // namespace

Extent FixedTextExtent(std::u16string_view text) {
  std::int64_t width = 0;
  for (char16_t unit : text) width += unit < 0x80 ? kNarrowWidth : kWideWidth;
  return {static_cast<std::int32_t>(std::min<std::int64_t>(width, INT32_MAX)), kTextHeight};
}

RasterCanvas::RasterCanvas(Extent size) : pixels_(Positive(size.width), Positive(size.height)) {}

void RasterCanvas::DrawBackground(const Picture& picture) {
  Copy(picture, 0, 0, picture.Width(), picture.Height(), 0, 0);
}

void RasterCanvas::Copy(const Picture& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                        std::int32_t height, std::int32_t x, std::int32_t y) {
  const auto* picture = dynamic_cast<const BitmapPicture*>(&source);
  if (!picture) return;
  const Bitmap& from = picture->Pixels();
  const auto area =
      ClipCopy({from.Width(), from.Height()}, Size(), sourceX, sourceY, width, height, x, y);
  if (!area) return;
  for (std::int32_t row = 0; row < area->height; ++row) {
    const Rgb* in = from.Row(area->sourceY + row) + area->sourceX;
    std::copy(in, in + area->width, pixels_.Row(area->y + row) + area->x);
  }
}

void RasterCanvas::FillRect(const Rect& rect, Rgb colour) {
  const Rect area{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, pixels_.Width()),
                  std::min(rect.bottom, pixels_.Height())};
  if (area.IsEmpty()) return;
  for (std::int32_t y = area.top; y < area.bottom; ++y) {
    std::fill(pixels_.Row(y) + area.left, pixels_.Row(y) + area.right, colour);
  }
}

void RasterCanvas::DrawEdges3d(const Rect& rect, Rgb topLeft, Rgb bottomRight) {
  if (rect.IsEmpty()) return;
  FillRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
  FillRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
  FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
  FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}

void RasterCanvas::DrawRectangle(const Rect& rect) {
  if (rect.IsEmpty()) return;
  FillRect(rect, {0, 0, 0});
  FillRect({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, {255, 255, 255});
}

}  // namespace varkel
