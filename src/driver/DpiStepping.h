#pragma once
// The DPI buttons: down, up and cycle over the enabled levels.
#include <array>
#include <cstdint>

#include "driver/ButtonFunctions.h"
#include "driver/DriverContext.h"

namespace varkel {

// The level a step leads to from `level`; the level itself when no enabled
// level lies that way. A level outside 0..3 (a hand-edited file) steps as if
// it were just beyond the nearest end; nothing outside the four is read.
std::int32_t NextDpiLevel(std::int32_t level, const std::array<std::uint8_t, kDpiLevelCount>& enabled,
                          DpiStep step);

// Steps dpiLevel, then, changed or not, sends the DPI report, repaints and
// stores DPI_LEVEL in the current profile's section.
void StepDpiLevel(DriverContext& ctx, DpiStep step);

}  // namespace varkel
