#include "config/ProfileValues.h"

namespace varkel {

int DpiLevelIndex(const MouseProfile& profile) {
  const std::int32_t level = profile.dpiLevel;
  return level >= 0 && level < kDpiLevelCount ? level : 0;
}

std::optional<std::uint8_t> PointerSpeedFor(std::uint8_t dpiSpeed) {
  constexpr std::uint8_t kSlowestOption = 8;
  constexpr std::uint8_t kSlowestOptionSpeed = 7;
  constexpr std::uint8_t kMinSpeed = 1;
  constexpr std::uint8_t kMaxSpeed = 20;
  if (dpiSpeed == kSlowestOption) return kSlowestOptionSpeed;
  if (dpiSpeed < kMinSpeed || dpiSpeed > kMaxSpeed) return std::nullopt;
  return dpiSpeed;
}

bool MacroPlaysWhileHeld(std::int32_t macroMode) { return macroMode != 0; }

}  // namespace varkel
