#pragma once
// Every ButtonFunction code as data: what the mouse is told, which DPI step
// it performs, who performs it, where the popups offer it and where its name
// comes from. Reports, the driver, the popups and painting all read this.
#include <cstdint>
#include <optional>

#include "config/MouseProfile.h"

namespace varkel {

constexpr std::uint8_t kSoftwareFunction = 0x1F;  // byte 3: the computer performs it

enum class Performer { Mouse, Software, Nobody };
enum class DpiStep : std::int32_t { Down = -1, None = 0, Up = 1, Cycle = 2 };
enum class NameSource { None, SkinFunctionName, MacroName };

struct FunctionInfo {
  std::optional<std::uint8_t> hardwareNumber;  // byte 3 of command 0x10; none: no report
  DpiStep dpiStep = DpiStep::None;
  Performer performer = Performer::Nobody;
  int firstLevelRow = 0;   // 1..10 on the first-level popup, 0 when not there
  int group = 0;           // first-level row of the second-level popup (7..10), 0 when none
  int groupRow = 0;        // row within that popup
  NameSource name = NameSource::None;
};

// Any code, valid or not (hand-edited files): never indexes outside the table.
FunctionInfo DescribeFunction(ButtonFunction code);

}  // namespace varkel
