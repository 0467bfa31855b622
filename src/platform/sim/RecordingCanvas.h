#pragma once
// A canvas that describes each drawing call in one line and passes the call
// on to another canvas (which also measures the texts):
//   draw canvas main_normal.jpg          the picture a paint starts from
//   draw copy main_over.jpg X Y W H      a rectangle copied to (X, Y), as asked
//   draw text X Y RRGGBB TEXT            a text at its top-left corner
//   draw icon X Y
//   draw fill X Y W H RRGGBB             the menus' shapes: a filled rectangle,
//   draw edges X Y W H RRGGBB RRGGBB     3-D edges, an outlined rectangle,
//   draw rectangle X Y W H               a one-pixel row from X to X + W - 1,
//   draw line X Y W RRGGBB               and a text line in a rectangle
//   draw textline X Y W H RRGGBB TEXT
// Pictures are named by their file name. Font and text-mode selections are
// not described.
#include <functional>
#include <string>

#include "platform/Canvas.h"

namespace varkel::sim {

class RecordingCanvas final : public Canvas {
 public:
  using Sink = std::function<void(std::string line)>;
  RecordingCanvas(Canvas& inner, Sink sink) : inner_(inner), sink_(std::move(sink)) {}

  Extent Size() const override { return inner_.Size(); }
  void DrawBackground(const Picture& picture) override;
  void Copy(const Picture& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
            std::int32_t height, std::int32_t x, std::int32_t y) override;
  void SelectFont(std::u16string_view face, std::int32_t tenthsOfPoint) override {
    inner_.SelectFont(face, tenthsOfPoint);
  }
  void SetTransparentText() override { inner_.SetTransparentText(); }
  Extent MeasureText(std::u16string_view text) override { return inner_.MeasureText(text); }
  void DrawTextAt(std::int32_t x, std::int32_t y, Rgb colour, std::u16string_view text) override;
  Extent IconSize() const override { return inner_.IconSize(); }
  void DrawIcon(std::int32_t x, std::int32_t y) override;
  void FillRect(const Rect& rect, Rgb colour) override;
  void DrawEdges3d(const Rect& rect, Rgb topLeft, Rgb bottomRight) override;
  void DrawRectangle(const Rect& rect) override;
  void DrawHorizontalLine(std::int32_t left, std::int32_t right, std::int32_t y, Rgb colour) override;
  void DrawTextLine(const Rect& rect, Rgb colour, std::u16string_view text) override;

 private:
  Canvas& inner_;
  Sink sink_;
};

// "main_over.jpg" of "C:\Varkel\skins\main_over.jpg", in UTF-8.
std::string FileNameOf(const Picture& picture);

}  // namespace varkel::sim
