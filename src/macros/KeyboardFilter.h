#pragma once
// The main window's keyboard filter, applied to every message it pre-filters:
// Escape and Enter key-downs never reach the dialog (so they never close it,
// and only their key-ups reach the in-place editor), and F10 never opens the
// window menu.
#include <cstdint>

#include "platform/Window.h"

namespace varkel {

// Key-downs and key-ups, plain and with Alt (the system keys).
bool IsKeyMessage(std::uint32_t id);
bool IsKeyDown(std::uint32_t id);

// True when the message is swallowed.
bool KeyboardFilterSwallows(const WindowMessage& message);

}  // namespace varkel
