#pragma once
// The event list's text: one line per step and, between two steps, one line
// with the delay that separates them. Line L belongs to step L / 2: an even
// line shows the step, an odd line the delay after it.
#include <cstdint>
#include <string>

#include "macros/MacroTable.h"

namespace varkel {

// The key or mouse button of a step's code; "不可录制" for a code without a name.
std::u16string KeyName(std::uint8_t keyCode);

// "[↓]" or "[↑]" and the key name; the key name alone for other actions.
std::u16string StepLine(const MacroEvent& step);

// Four blanks, the number and "ms".
std::u16string DelayLine(std::uint16_t delayMs);

inline int StepOfLine(int line) { return line / 2; }

}  // namespace varkel
