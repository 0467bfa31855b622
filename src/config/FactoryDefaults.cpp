#include "config/FactoryDefaults.h"

#include "config/ProfileEdits.h"
#include "config/ProfileStore.h"

namespace varkel {
namespace {

constexpr std::int32_t kBuiltInProfile = 1;
constexpr std::int32_t kLastStoredProfile = 5;

}  // namespace

void SetBuiltInDefaults(ProfileModel& model) {
  MouseProfile& profile = model.profile;
  profile.buttons = kDefaultButtonFunctions;
  profile.wheelStatus = 0;
  profile.dpiLevel = 0;
  for (int k = 0; k < kDpiLevelCount; ++k) {
    SetDpiValue(model, k, kDefaultDpiSet[k]);
    profile.dpiSetEnabled[k] = 1;
  }
  model.appliedDpiSet = kDefaultDpiSet;
  profile.ledStatus = 0;
}

void RestoreDefaultProfiles(IniFiles& ini, std::u16string_view configPath, ProfileModel& model) {
  SetBuiltInDefaults(model);
  SaveProfile(ini, configPath, kBuiltInProfile, model);
  for (std::int32_t n = kLastStoredProfile; n > kBuiltInProfile; --n) {
    // Without its defaults the profile would be stored all zero: a mouse
    // without a left button once applied.
    if (!HoldsProfile(ini, configPath, n, true)) continue;
    LoadProfile(ini, configPath, n, true, model);
    SaveProfile(ini, configPath, n, model);
  }
  LoadProfile(ini, configPath, model.currentProfile, false, model);
}

}  // namespace varkel
