#pragma once
// The model operations behind the main page's DPI elements. A level k
// outside 0..3 changes nothing.
#include "config/MouseProfile.h"

namespace varkel {

// Level k takes DPI value v; its knob element follows.
void SetDpiValue(ProfileModel& model, int k, std::uint8_t v);
// Enables a disabled level; disables an enabled one, moving dpiLevel on when
// it was the current level. The last enabled level stays on.
void ToggleDpiLevel(MouseProfile& profile, int k);
// dpiLevel becomes k if level k is enabled.
void SelectDpiLevel(MouseProfile& profile, int k);

// Main-page element that shows the knob of level k at value v.
constexpr std::int32_t DpiKnobElement(int k, std::uint8_t v) { return 45 + 5 * k + v; }

}  // namespace varkel
