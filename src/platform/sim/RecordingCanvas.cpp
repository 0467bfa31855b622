#include "platform/sim/RecordingCanvas.h"

#include <cstdio>

#include "platform/portable/Utf8Text.h"

namespace varkel::sim {
namespace {

std::string Numbers(std::initializer_list<std::int32_t> values) {
  std::string text;
  for (std::int32_t v : values) text += ' ' + std::to_string(v);
  return text;
}

std::string Hex(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", colour.r, colour.g, colour.b);
  return text;
}

std::string Box(const Rect& rect) {
  return Numbers({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
}

}  // namespace

std::string FileNameOf(const Picture& picture) {
  const std::u16string& path = picture.Path();
  const auto slash = path.find_last_of(u"\\/");
  return ToUtf8(slash == std::u16string::npos ? std::u16string_view(path)
                                              : std::u16string_view(path).substr(slash + 1));
}

void RecordingCanvas::DrawBackground(const Picture& picture) {
  sink_("draw canvas " + FileNameOf(picture));
  inner_.DrawBackground(picture);
}

void RecordingCanvas::Copy(const Picture& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                           std::int32_t height, std::int32_t x, std::int32_t y) {
  sink_("draw copy " + FileNameOf(source) + Numbers({x, y, width, height}));
  inner_.Copy(source, sourceX, sourceY, width, height, x, y);
}

void RecordingCanvas::DrawTextAt(std::int32_t x, std::int32_t y, Rgb colour, std::u16string_view text) {
  sink_("draw text" + Numbers({x, y}) + ' ' + Hex(colour) + ' ' + ToUtf8(text));
  inner_.DrawTextAt(x, y, colour, text);
}

void RecordingCanvas::DrawIcon(std::int32_t x, std::int32_t y) {
  sink_("draw icon" + Numbers({x, y}));
  inner_.DrawIcon(x, y);
}

void RecordingCanvas::FillRect(const Rect& rect, Rgb colour) {
  sink_("draw fill" + Box(rect) + ' ' + Hex(colour));
  inner_.FillRect(rect, colour);
}

void RecordingCanvas::DrawEdges3d(const Rect& rect, Rgb topLeft, Rgb bottomRight) {
  sink_("draw edges" + Box(rect) + ' ' + Hex(topLeft) + ' ' + Hex(bottomRight));
  inner_.DrawEdges3d(rect, topLeft, bottomRight);
}

void RecordingCanvas::DrawRectangle(const Rect& rect) {
  sink_("draw rectangle" + Box(rect));
  inner_.DrawRectangle(rect);
}

void RecordingCanvas::DrawHorizontalLine(std::int32_t left, std::int32_t right, std::int32_t y, Rgb colour) {
  sink_("draw line" + Numbers({left, y, right - left}) + ' ' + Hex(colour));
  inner_.DrawHorizontalLine(left, right, y, colour);
}

void RecordingCanvas::DrawTextLine(const Rect& rect, Rgb colour, std::u16string_view text) {
  sink_("draw textline" + Box(rect) + ' ' + Hex(colour) + ' ' + ToUtf8(text));
  inner_.DrawTextLine(rect, colour, text);
}

}  // namespace varkel::sim
