#pragma once
// The main window's start-up: threads first, then the skin, the profile, the
// window's shape, the macros, the mouse and the first apply.
#include <functional>

#include "app/Program.h"

namespace varkel {

// The main window's own steps between the threads and the skin: its system
// menu, icon and title. A second copy finds the window only from here on.
using DressWindow = std::function<void()>;

// Returns true when the program runs; false when start-up ended it (a skin
// file missing, or no mouse), after the exit sequence.
bool StartUp(Program& program, const DressWindow& dressWindow = {});

}  // namespace varkel
