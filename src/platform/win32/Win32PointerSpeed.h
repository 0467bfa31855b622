#pragma once
// The pointer speed through SystemParametersInfoW.
#include "platform/PointerSpeed.h"

namespace varkel::win32 {

class Win32PointerSpeed final : public PointerSpeed {
 public:
  std::optional<int> Get() override;
  void Set(int speed) override;
};

}  // namespace varkel::win32
