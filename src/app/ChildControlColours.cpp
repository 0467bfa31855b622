#include "app/ChildControlColours.h"

namespace varkel {
namespace {

constexpr char16_t kFontFace[] = u"宋体";
constexpr std::int32_t kFontTenthsOfPoint = 100;
constexpr Rgb kText{255, 255, 255};
constexpr Rgb kBackground{0, 0, 0};

}  // namespace

ChildControlColours::~ChildControlColours() {
  if (font_) platform_.Release(font_);
  if (brush_) platform_.Release(brush_);
}

std::intptr_t ChildControlColours::Style(std::uintptr_t controlCanvas) {
  if (!font_) font_ = platform_.MakeFont(kFontFace, kFontTenthsOfPoint);
  if (!brush_) brush_ = platform_.MakeSolidBrush(kBackground);
  platform_.StyleControl(controlCanvas, font_, kText, kBackground);
  return brush_;
}

}  // namespace varkel
