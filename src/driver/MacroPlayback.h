#pragma once
// Plays one macro on the driver thread.
#include <cstdint>

#include "driver/DriverContext.h"

namespace varkel {

constexpr std::uint32_t kHeldButtonPasses = 100000;  // macro mode 1: until the button is released

// The key event a macro step sends for a virtual key: the extended flag for
// the 18 keys that need it, and the scan code the layout gives (with the
// fixed codes of Print Screen, Pause and the left Windows key).
KeyEvent MacroKeyEvent(DesktopInput& input, std::uint8_t virtualKey, bool keyUp);

// Plays slot `slot` as often as the macro mode and the macro's repeat
// setting say, until a stop is requested. Keys and buttons the macro pressed
// and had not released when a stop ends it early are released.
void PlayMacro(DriverContext& ctx, int slot);

}  // namespace varkel
