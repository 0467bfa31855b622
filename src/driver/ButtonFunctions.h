#pragma once
// Every ButtonFunction code as data: what the mouse is told, which DPI step
// it performs, who performs it, where the popups offer it and where its name
// comes from. Reports, the driver, the popups and painting all read this.
#include <cstdint>
#include <optional>

#include "config/MouseProfile.h"

namespace varkel {

constexpr std::uint8_t kSoftwareFunction = 0x1F;  // byte 3: the computer performs it
constexpr ButtonFunction kPrimaryButtonFunction = 1;
constexpr ButtonFunction kColourPickFunction = 19;  // refused on apply, becomes kColourPickReplacement
constexpr ButtonFunction kColourPickReplacement = 12;
constexpr ButtonFunction kFirstMacroFunction = 41;  // code 41 + s plays macro slot s

enum class Performer { Mouse, Software, Nobody };
enum class DpiStep : std::int32_t { Down = -1, None = 0, Up = 1, Cycle = 2 };
enum class NameSource { None, SkinFunctionName, MacroName };

// Popup places: group 0 is the first-level popup itself; groups 7..10 are the
// second-level popups opened by those first-level rows.
constexpr int kFirstLevel = 0;

struct FunctionInfo {
  std::optional<std::uint8_t> hardwareNumber;  // byte 3 of command 0x10; none: no report
  DpiStep dpiStep = DpiStep::None;
  Performer performer = Performer::Nobody;
  int firstLevelRow = 0;   // 1..10 on the first-level popup, 0 when not there
  int group = 0;           // first-level row of the second-level popup (7..10), 0 when none
  int groupRow = 0;        // row within that popup
  NameSource name = NameSource::None;

  bool operator==(const FunctionInfo&) const = default;
};

// Any code, valid or not (hand-edited files): never indexes outside the table.
FunctionInfo DescribeFunction(ButtonFunction code);

// The code a popup row stores: group kFirstLevel with rows 1..6, or group
// 7..10 with its rows. Group titles (first-level rows 7..10) and places that
// offer nothing give none. Macro rows exist for all twelve slots; the caller
// shows only as many as there are macros.
std::optional<ButtonFunction> FunctionOfPopupRow(int group, int row);

// The macro slot a code plays (0..11), none for other codes. The slot may
// still be empty: check it against macroCount.
std::optional<int> MacroSlotOf(ButtonFunction code);

}  // namespace varkel
