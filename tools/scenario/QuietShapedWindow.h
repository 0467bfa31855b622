#pragma once
// The harness's main window takes its shape and shows nothing of it.
#include "platform/WindowShape.h"

namespace varkel::scenario {

class QuietShapedWindow final : public ShapedWindow {
 public:
  void SetShape(const Region&) override {}
};

}  // namespace varkel::scenario
