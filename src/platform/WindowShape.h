#pragma once
// A skinned window shows only the pixels of its shape.
#include "platform/Region.h"

namespace varkel {

class ShapedWindow {
 public:
  virtual ~ShapedWindow() = default;
  // Window coordinates; the window redraws at once.
  virtual void SetShape(const Region& shape) = 0;
};

}  // namespace varkel
