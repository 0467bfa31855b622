#include "config/ProfileEdits.h"

namespace varkel {
namespace {

bool IsLevel(int k) { return k >= 0 && k < kDpiLevelCount; }

bool AnyLevelEnabled(const MouseProfile& profile) {
  for (std::uint8_t enabled : profile.dpiSetEnabled)
    if (enabled != 0) return true;
  return false;
}

}  // namespace

void SetDpiValue(ProfileModel& model, int k, std::uint8_t v) {
  if (!IsLevel(k)) return;
  model.profile.dpiSet[k] = v;
  model.dpiKnob[k] = DpiKnobElement(k, v);
}

void ToggleDpiLevel(MouseProfile& profile, int k) {
  if (!IsLevel(k)) return;
  auto& enabled = profile.dpiSetEnabled;
  if (enabled[k] == 0) {
    enabled[k] = 1;
    return;
  }
  enabled[k] = 0;
  if (k == profile.dpiLevel) {
    // k is a valid level here, so the walk stays inside the four.
    for (int tries = 0; tries < kDpiLevelCount - 1; ++tries) {
      profile.dpiLevel = (profile.dpiLevel + 1) % kDpiLevelCount;
      if (enabled[profile.dpiLevel] != 0) return;
    }
  } else if (AnyLevelEnabled(profile)) {
    return;
  }
  // Nothing else is enabled (a loaded profile may have had dpiLevel on a
  // disabled or unknown level): the last level stays on and becomes current.
  profile.dpiLevel = k;
  enabled[k] = 1;
}

void SelectDpiLevel(MouseProfile& profile, int k) {
  if (IsLevel(k) && profile.dpiSetEnabled[k] != 0) profile.dpiLevel = k;
}

}  // namespace varkel
