#pragma once
// Changing one macro's steps in place; the caller holds the table's lock.
#include <cstdint>

#include "macros/MacroTable.h"

namespace varkel {

// Inserting stops here, one short of the step slots.
constexpr int kMaxInsertedSteps = 254;
constexpr std::uint16_t kInsertedStepDelayMs = 30;

// Puts a step of 30 ms at position (at most the step count), moving the
// steps from there up by one. False, and nothing changed, when the macro
// already holds kMaxInsertedSteps steps.
bool InsertStepAt(Macro& macro, int position, std::uint8_t keyCode, std::uint8_t action);

// Removes one step: the step count drops by one (not below 0) and, when
// `step` lies below the new count, the steps after it move down.
void DeleteStepAt(Macro& macro, int step);

}  // namespace varkel
