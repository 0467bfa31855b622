#pragma once
// The software driver: waits for a press handed over by the reader thread and
// performs the function of the button pressed.
#include <cstdint>

#include "driver/DriverContext.h"

namespace varkel {

// The thread body; loops while ctx.threads.KeepRunning().
void DriverThread(DriverContext& ctx);

// Performs the function of the button whose press reported `pressedCode`
// (0xF0 + its physical number); nothing for a code that names no button.
void PerformPress(DriverContext& ctx, std::uint8_t pressedCode);

// The single actions of codes 26 and 31..40. Returns false for other codes.
bool PerformSingleAction(DriverContext& ctx, ButtonFunction code);

}  // namespace varkel
