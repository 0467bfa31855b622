#pragma once
// The main window's start-up: threads first, then the skin, the profile, the
// window's shape, the macros, the mouse and the first apply.
#include "app/MainWindowSteps.h"
#include "app/Program.h"

namespace varkel {

// Returns true when the program runs; false when start-up ended it (a skin
// file missing, or no mouse), after the exit sequence.
bool StartUp(Program& program, const MainWindowSteps& window = {});

}  // namespace varkel
