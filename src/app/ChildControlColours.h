#pragma once
// The main window's child controls (the repeat box, the name box, the macro
// list and the event list): 10-point "宋体", white on black. The font and
// the brush are made at the first request and kept while this lives.
#include <cstdint>

#include "platform/ControlColours.h"

namespace varkel {

class ChildControlColours {
 public:
  explicit ChildControlColours(ControlColours& platform) : platform_(platform) {}
  ~ChildControlColours();
  ChildControlColours(const ChildControlColours&) = delete;
  ChildControlColours& operator=(const ChildControlColours&) = delete;

  // Styles the control's canvas; the brush is the answer to its question.
  std::intptr_t Style(std::uintptr_t controlCanvas);

 private:
  ControlColours& platform_;
  GraphicsObject font_ = 0;
  GraphicsObject brush_ = 0;
};

}  // namespace varkel
