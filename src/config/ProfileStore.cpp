#include "config/ProfileStore.h"

#include <string>
#include <vector>

#include "config/DecimalText.h"
#include "config/ProfileEdits.h"

namespace varkel {
namespace {

// Buffer capacities of the reads, in characters with the terminator: values
// are cut to 4 and 9 characters.
constexpr std::size_t kShortValue = 5;
constexpr std::size_t kLongValue = 10;

constexpr std::u16string_view kInitSection = u"Init";
constexpr std::u16string_view kCurrentProfileKey = u"CurConfig";

std::u16string Numbered(std::u16string_view word, std::int32_t number) {
  return std::u16string(word) + FormatDecimal(number);
}

std::u16string ButtonKey(int button) { return Numbered(u"K", button); }
std::u16string DpiValueKey(int level) { return Numbered(u"DPI_SET", level + 1); }
std::u16string DpiEnabledKey(int level) { return Numbered(u"DPI_SET_EN", level + 1); }
constexpr std::u16string_view kDpiLevelKey = u"DPI_LEVEL";
constexpr std::u16string_view kWheelKey = u"WHEEL_STATUS";
constexpr std::u16string_view kMacroModeKey = u"MACRO_MODE2";
constexpr std::u16string_view kLedKey = u"LED_STATUS";
constexpr std::u16string_view kSpeedKey = u"DPI_SPEED";

// One section of one file, read or written key by key.
struct Section {
  IniFiles& ini;
  std::u16string_view file;
  std::u16string name;

  std::int32_t Read(std::u16string_view key, std::size_t capacity) const {
    return ParseDecimal(ini.Read(file, name, key, capacity));
  }
  void Write(std::u16string_view key, std::int32_t value) const {
    ini.Write(file, name, key, FormatDecimal(value));
  }
};

Section ProfileSection(IniFiles& ini, std::u16string_view file, std::int32_t number,
                       bool fromDefaults = false) {
  return {ini, file, Numbered(fromDefaults ? u"CfgReset" : u"Config", number)};
}

// The default a key reads as when it is missing: no stored value can hold a
// line break, since a value ends with its line.
constexpr std::u16string_view kMissing = u"\n";

std::vector<std::u16string> ProfileKeys() {
  std::vector<std::u16string> keys;
  for (int b = 0; b < kButtonCount; ++b) keys.push_back(ButtonKey(b + 1));
  for (const auto key : {kDpiLevelKey, kWheelKey, kMacroModeKey, kLedKey, kSpeedKey}) keys.emplace_back(key);
  for (int k = 0; k < kDpiLevelCount; ++k) {
    keys.push_back(DpiValueKey(k));
    keys.push_back(DpiEnabledKey(k));
  }
  return keys;
}

std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value); }

}  // namespace

void LoadProfile(IniFiles& ini, std::u16string_view file, std::int32_t number, bool fromDefaults,
                 ProfileModel& model) {
  const Section section = ProfileSection(ini, file, number, fromDefaults);
  MouseProfile& profile = model.profile;
  for (int b = 0; b < kButtonCount; ++b) profile.buttons[b] = section.Read(ButtonKey(b + 1), kShortValue);
  profile.wheelStatus = section.Read(kWheelKey, kShortValue);
  profile.macroMode = section.Read(kMacroModeKey, kShortValue);
  profile.dpiLevel = section.Read(kDpiLevelKey, kShortValue);
  for (int k = 0; k < kDpiLevelCount; ++k) {
    SetDpiValue(model, k, LowByte(section.Read(DpiValueKey(k), kLongValue)));
    profile.dpiSetEnabled[k] = section.Read(DpiEnabledKey(k), kLongValue) != 0 ? 1 : 0;
  }
  profile.ledStatus = LowByte(section.Read(kLedKey, kShortValue));
  profile.dpiSpeed = LowByte(section.Read(kSpeedKey, kShortValue));
}

void SaveProfile(IniFiles& ini, std::u16string_view file, std::int32_t number,
                 const ProfileModel& model) {
  const Section section = ProfileSection(ini, file, number);
  const MouseProfile& profile = model.profile;
  for (int b = 0; b < kButtonCount; ++b) section.Write(ButtonKey(b + 1), profile.buttons[b]);
  section.Write(kDpiLevelKey, profile.dpiLevel);
  section.Write(kWheelKey, profile.wheelStatus);
  section.Write(kMacroModeKey, profile.macroMode);
  for (int k = 0; k < kDpiLevelCount; ++k) {
    section.Write(DpiValueKey(k), profile.dpiSet[k]);
    section.Write(DpiEnabledKey(k), profile.dpiSetEnabled[k] != 0 ? 1 : 0);
  }
  section.Write(kLedKey, profile.ledStatus);
  section.Write(kSpeedKey, profile.dpiSpeed);
}

bool HoldsProfile(IniFiles& ini, std::u16string_view file, std::int32_t number, bool fromDefaults) {
  const Section section = ProfileSection(ini, file, number, fromDefaults);
  for (const auto& key : ProfileKeys()) {
    if (ini.Read(file, section.name, key, kShortValue, kMissing) != kMissing) return true;
  }
  return false;
}

void SaveDpiLevel(IniFiles& ini, std::u16string_view file, std::int32_t number,
                  const ProfileModel& model) {
  ProfileSection(ini, file, number).Write(kDpiLevelKey, model.profile.dpiLevel);
}

void LoadCurrentProfile(IniFiles& ini, const AppPaths& paths, ProfileModel& model) {
  const Section init{ini, paths.configPath, std::u16string(kInitSection)};
  model.currentProfile = init.Read(kCurrentProfileKey, kShortValue);
  LoadProfile(ini, paths.configPath, model.currentProfile, false, model);
}

void SaveCurrentProfileNumber(IniFiles& ini, const AppPaths& paths, const ProfileModel& model) {
  const Section init{ini, paths.configPath, std::u16string(kInitSection)};
  init.Write(kCurrentProfileKey, model.currentProfile);
}

}  // namespace varkel
