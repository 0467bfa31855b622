#pragma once
// Up to twelve named macros of up to 255 steps, referred to by slot.
#include <algorithm>
#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace varkel {

constexpr int kMacroSlots = 12;
constexpr int kMacroSteps = 255;
constexpr int kMacroNameUnits = 20;
constexpr int kMacroNameChars = kMacroNameUnits - 1;  // before the terminator

// A step's action; other values are kept and only wait.
constexpr std::uint8_t kPressAction = 1;
constexpr std::uint8_t kReleaseAction = 2;

// Mouse buttons in a step's key code.
constexpr std::uint8_t kLeftButtonKey = 0xF0;
constexpr std::uint8_t kRightButtonKey = 0xF1;
constexpr std::uint8_t kMiddleButtonKey = 0xF2;

struct MacroEvent {
  std::uint8_t keyCode = 0;  // virtual key, or 0xF0 left, 0xF1 right, 0xF2 middle button
  std::uint8_t action = 0;   // 1 press, 2 release; other values only wait
  std::uint16_t delayMs = 0;
  bool operator==(const MacroEvent&) const = default;
};

struct Macro {
  std::array<char16_t, kMacroNameUnits> name{};  // NUL-terminated, up to 19 units
  std::uint8_t repeatMode = 0;
  std::uint16_t repeatCount = 0;
  std::uint8_t eventCount = 0;
  std::array<MacroEvent, kMacroSteps> events{};
  bool operator==(const Macro&) const = default;
};

// The name up to its terminator.
inline std::u16string NameOf(const Macro& macro) {
  std::u16string name;
  for (char16_t unit : macro.name) {
    if (unit == 0) break;
    name.push_back(unit);
  }
  return name;
}

// Keeps at most kMacroNameChars units of text; the rest of the field is zero.
inline void SetName(Macro& macro, std::u16string_view text) {
  macro.name.fill(0);
  text = text.substr(0, kMacroNameChars);
  std::copy(text.begin(), text.end(), macro.name.begin());
}

// A slot that holds no macro: what adding a macro starts from and what
// deleting one leaves behind.
inline Macro FreeMacroSlot() {
  Macro m;
  m.repeatCount = 1;
  return m;
}

// Only the interface thread changes the table, and it holds `lock` while it
// changes the macros or their count; the driver thread holds `lock` for each
// read during playback, so an edit is seen from the next step it reads.
// `currentMacro` belongs to the interface thread alone.
struct MacroTable {
  std::array<Macro, kMacroSlots> macros{};
  std::int16_t macroCount = 0;
  int currentMacro = 0;
  mutable std::mutex lock;
};

}  // namespace varkel
