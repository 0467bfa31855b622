#pragma once
// Moves the working profile between memory and a section of config.ini (or
// of an exchange file). The caller holds model.lock.
#include <cstdint>
#include <string_view>

#include "config/AppPaths.h"
#include "config/MouseProfile.h"
#include "platform/Ini.h"

namespace varkel {

// Reads "CfgReset<number>" when fromDefaults, else "Config<number>".
void LoadProfile(IniFiles& ini, std::u16string_view file, std::int32_t number, bool fromDefaults,
                 ProfileModel& model);
// Writes "Config<number>": K1..K6, DPI_LEVEL, WHEEL_STATUS, MACRO_MODE2,
// DPI_SETk/DPI_SET_ENk, LED_STATUS, DPI_SPEED, in that order.
void SaveProfile(IniFiles& ini, std::u16string_view file, std::int32_t number,
                 const ProfileModel& model);
// Whether "Config<number>" (or "CfgReset<number>") of the file holds any of
// a profile's keys. A file without that section, or one that is no ini file
// at all, holds none.
bool HoldsProfile(IniFiles& ini, std::u16string_view file, std::int32_t number, bool fromDefaults = false);
// Writes only DPI_LEVEL of "Config<number>".
void SaveDpiLevel(IniFiles& ini, std::u16string_view file, std::int32_t number,
                  const ProfileModel& model);
// "CurConfig" of "Init" becomes currentProfile, then that profile is loaded.
void LoadCurrentProfile(IniFiles& ini, const AppPaths& paths, ProfileModel& model);
// Writes currentProfile as "CurConfig" of "Init" (done only on apply).
void SaveCurrentProfileNumber(IniFiles& ini, const AppPaths& paths, const ProfileModel& model);

}  // namespace varkel
