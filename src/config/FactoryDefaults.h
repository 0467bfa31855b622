#pragma once
// The factory state of the stored profiles: profile 1 from defaults built
// into the program, profiles 2 to 5 from the "CfgReset" sections of
// config.ini.
#include <array>
#include <string_view>

#include "config/MouseProfile.h"
#include "platform/Ini.h"

namespace varkel {

constexpr std::array<ButtonFunction, kButtonCount> kDefaultButtonFunctions{1, 2, 3, 5, 4, 6};
constexpr std::array<std::uint8_t, kDpiLevelCount> kDefaultDpiSet{1, 2, 4, 0};

// The working profile takes profile 1's built-in defaults (the applied DPI
// copy and the knobs follow); macroMode and dpiSpeed keep their values.
void SetBuiltInDefaults(ProfileModel& model);

// Profile 1 from the built-in defaults, profiles 5, 4, 3, 2 from their
// "CfgReset" sections, each saved; then the current profile is loaded
// again. A profile whose "CfgReset" section is missing keeps what it has.
// The caller holds model.lock.
void RestoreDefaultProfiles(IniFiles& ini, std::u16string_view configPath, ProfileModel& model);

}  // namespace varkel
