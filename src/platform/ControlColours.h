#pragma once
// Fonts and brushes for the colours of a window's child controls (edit
// boxes, lists). A control asking its parent for its colours hands over its
// canvas; the parent styles it and answers with a brush.
#include <cstdint>
#include <string_view>

#include "platform/Images.h"

namespace varkel {

// A font or brush kept by the platform until it is released; 0 is none.
using GraphicsObject = std::intptr_t;

class ControlColours {
 public:
  virtual ~ControlColours() = default;
  // A font by face name and size in tenths of a point.
  virtual GraphicsObject MakeFont(std::u16string_view face, std::int32_t tenthsOfPoint) = 0;
  virtual GraphicsObject MakeSolidBrush(Rgb colour) = 0;
  virtual void Release(GraphicsObject object) = 0;
  // controlCanvas: the canvas the control handed over with its question.
  virtual void StyleControl(std::uintptr_t controlCanvas, GraphicsObject font, Rgb text, Rgb textBackground) = 0;
};

}  // namespace varkel
