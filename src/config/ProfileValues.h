#pragma once
// Safe readings of profile members that a loaded file may hold out of range.
// The members keep what was loaded (and are saved back as they are); every
// use as an index or a setting goes through these.
#include <cstdint>
#include <optional>

#include "config/MouseProfile.h"

namespace varkel {

// dpiLevel when it is 0..3, else level 0.
int DpiLevelIndex(const MouseProfile& profile);

// The Windows pointer speed for a dpiSpeed option: 8 gives 7, 9 and 10 give
// themselves, any other number Windows accepts (1..20) passes on unchanged;
// the rest gives none and the pointer speed is left alone.
std::optional<std::uint8_t> PointerSpeedFor(std::uint8_t dpiSpeed);

// Whether a macro plays while its button is held (macro mode 1: over and
// over until the button's release stops it) rather than once or its repeat
// count (mode 0: another press stops it). Any mode other than 0 plays while
// held, as playback always took it; so the release stops it.
bool MacroPlaysWhileHeld(std::int32_t macroMode);

}  // namespace varkel
