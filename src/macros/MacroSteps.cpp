#include "macros/MacroSteps.h"

#include <algorithm>

namespace varkel {

bool InsertStepAt(Macro& macro, int position, std::uint8_t keyCode, std::uint8_t action) {
  const int count = macro.eventCount;
  if (count + 1 > kMaxInsertedSteps) return false;
  position = std::clamp(position, 0, count);
  auto first = macro.events.begin() + position;
  std::move_backward(first, macro.events.begin() + count, macro.events.begin() + count + 1);
  *first = MacroEvent{keyCode, action, kInsertedStepDelayMs};
  macro.eventCount = static_cast<std::uint8_t>(count + 1);
  return true;
}

void DeleteStepAt(Macro& macro, int step) {
  const int count = std::max(macro.eventCount - 1, 0);
  if (step >= 0 && step < count) {
    std::move(macro.events.begin() + step + 1, macro.events.begin() + count + 1, macro.events.begin() + step);
  }
  macro.eventCount = static_cast<std::uint8_t>(count);
}

}  // namespace varkel
