#pragma once
// The Windows pointer-speed setting (1..20; 10 is the system's default).
#include <optional>

namespace varkel {

class PointerSpeed {
 public:
  virtual ~PointerSpeed() = default;
  // None when the system does not answer.
  virtual std::optional<int> Get() = 0;
  // Stored in the user's settings and announced to running programs without
  // waiting for any of them. Neither call is made under the profile lock.
  virtual void Set(int speed) = 0;
};

}  // namespace varkel
