#pragma once
// A canvas of plain pixels for native builds (tests, the scenario harness,
// fuzzing, benchmarks). Copies are exact and clipped; texts are measured by a
// fixed rule and not rendered, and the icon is not drawn: there is no font
// renderer here, and nothing that reads these pixels looks at text.
#include "platform/Canvas.h"
#include "platform/Images.h"

namespace varkel {

// The harness's text measure: 7 pixels for each UTF-16 unit below 0x80, 13
// for any other (the widths of the Latin and CJK glyphs of the font Wine
// shows for "宋体" 10 pt), 15 pixels high (that font's cell).
Extent FixedTextExtent(std::u16string_view text);

// What the canvas reports as the icon's size.
inline constexpr Extent kRasterIconSize{32, 32};

class RasterCanvas final : public Canvas {
 public:
  // Starts black.
  explicit RasterCanvas(Extent size);

  Extent Size() const override { return {pixels_.Width(), pixels_.Height()}; }
  // Pictures not made by PortablePictures copy nothing.
  void DrawBackground(const Picture& picture) override;
  void Copy(const Picture& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
            std::int32_t height, std::int32_t x, std::int32_t y) override;
  void SelectFont(std::u16string_view, std::int32_t) override {}
  void SetTransparentText() override {}
  Extent MeasureText(std::u16string_view text) override { return FixedTextExtent(text); }
  void DrawTextAt(std::int32_t, std::int32_t, Rgb, std::u16string_view) override {}
  Extent IconSize() const override { return kRasterIconSize; }
  void DrawIcon(std::int32_t, std::int32_t) override {}
  void FillRect(const Rect& rect, Rgb colour) override;
  void DrawEdges3d(const Rect& rect, Rgb topLeft, Rgb bottomRight) override;
  // With a new canvas's pen and brush: a black outline filled white.
  void DrawRectangle(const Rect& rect) override;
  void DrawHorizontalLine(std::int32_t left, std::int32_t right, std::int32_t y, Rgb colour) override {
    FillRect({left, y, right, y + 1}, colour);
  }
  void DrawTextLine(const Rect&, Rgb, std::u16string_view) override {}

  const Bitmap& Pixels() const { return pixels_; }

 private:
  Bitmap pixels_;
};

}  // namespace varkel
