#pragma once
// The program's two menu resources, as the resource script defines them, for
// the simulated platform's menus.
#include "platform/sim/SimMenus.h"

namespace varkel::sim {

// Menu 154 (the event list's context menu, 23 items with its sub-menus) and
// menu 157 (the notification-area menu).
void DefineProgramMenus(SimMenus& menus);

}  // namespace varkel::sim
