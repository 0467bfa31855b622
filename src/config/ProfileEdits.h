#pragma once
// The model operations behind the main page's DPI elements.
#include "config/MouseProfile.h"

namespace varkel {

// Level k takes DPI value v; its knob element follows.
void SetDpiValue(ProfileModel& model, int k, std::uint8_t v);
// Enables a disabled level; disables an enabled one, moving dpiLevel on when
// it was the current level. The last enabled level stays on.
void ToggleDpiLevel(MouseProfile& profile, int k);
// dpiLevel becomes k if level k is enabled.
void SelectDpiLevel(MouseProfile& profile, int k);

}  // namespace varkel
