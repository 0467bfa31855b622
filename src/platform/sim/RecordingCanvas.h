#pragma once
// A canvas that describes each drawing call in one line and passes the call
// on to another canvas (which also measures the texts):
//   draw canvas main_normal.jpg          the picture a paint starts from
//   draw copy main_over.jpg X Y W H      a rectangle copied to (X, Y), as asked
//   draw text X Y RRGGBB TEXT            a text at its top-left corner
//   draw icon X Y
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

 private:
  Canvas& inner_;
  Sink sink_;
};

// "main_over.jpg" of "C:\Varkel\skins\main_over.jpg", in UTF-8.
std::string FileNameOf(const Picture& picture);

}  // namespace varkel::sim
