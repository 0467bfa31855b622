#pragma once
// GDI fonts and brushes for the child controls' colours.
#include "platform/ControlColours.h"

namespace varkel::win32 {

class Win32ControlColours final : public ControlColours {
 public:
  GraphicsObject MakeFont(std::u16string_view face, std::int32_t tenthsOfPoint) override;
  GraphicsObject MakeSolidBrush(Rgb colour) override;
  void Release(GraphicsObject object) override;
  void StyleControl(std::uintptr_t controlCanvas, GraphicsObject font, Rgb text, Rgb textBackground) override;
};

}  // namespace varkel::win32
