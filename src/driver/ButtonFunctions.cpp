#include "driver/ButtonFunctions.h"

#include <array>

namespace varkel {
namespace {

// How byte 3 of the button-function report follows from the code.
enum class Report { None, CodeMinusOffset, SoftwareMark };

// A run of codes that behave alike. The mouse gets code - hardwareOffset;
// the popup row is code - rowOffset.
struct CodeRange {
  ButtonFunction first;
  ButtonFunction last;
  Report report;
  int hardwareOffset;
  DpiStep dpiStep;
  Performer performer;
  int group;  // kFirstLevel, 7..10, or kNotOffered
  int rowOffset;
  NameSource name;
};

constexpr int kNotOffered = -1;

constexpr Report kNoReport = Report::None;
constexpr Report kHardware = Report::CodeMinusOffset;
constexpr Report kSoftware = Report::SoftwareMark;
constexpr DpiStep kNoStep = DpiStep::None;
constexpr Performer kMouse = Performer::Mouse;
constexpr Performer kDriver = Performer::Software;
constexpr Performer kNobody = Performer::Nobody;
constexpr NameSource kNoName = NameSource::None;
constexpr NameSource kSkinName = NameSource::SkinFunctionName;
constexpr NameSource kMacroName = NameSource::MacroName;

constexpr std::array<CodeRange, 14> kCodes{{
    // first last report   offset dpi step       performer group        row offset name
    {0, 0, kHardware, 0, kNoStep, kMouse, kNotOffered, 0, kNoName},
    {1, 5, kHardware, 0, kNoStep, kMouse, kFirstLevel, 0, kSkinName},
    {6, 6, kSoftware, 0, DpiStep::Cycle, kDriver, kFirstLevel, 0, kSkinName},
    {7, 10, kNoReport, 0, kNoStep, kNobody, kFirstLevel, 0, kSkinName},  // group titles
    {11, 16, kHardware, 4, kNoStep, kMouse, 7, 10, kSkinName},
    {17, 17, kSoftware, 0, DpiStep::Up, kDriver, 7, 10, kSkinName},
    {18, 18, kSoftware, 0, DpiStep::Down, kDriver, 7, 10, kSkinName},
    // 19 is replaced by 12 before it reaches the mouse, so it goes out as 12 would.
    {19, 19, kHardware, 11, kNoStep, kMouse, kNotOffered, 0, kSkinName},
    {20, 20, kNoReport, 0, kNoStep, kNobody, kNotOffered, 0, kSkinName},
    {21, 25, kHardware, 8, kNoStep, kMouse, 8, 20, kSkinName},
    {26, 26, kSoftware, 0, kNoStep, kDriver, 8, 20, kSkinName},
    // Marked as software functions, but the driver has nothing to do for them.
    {27, 30, kSoftware, 0, kNoStep, kDriver, kNotOffered, 0, kSkinName},
    {31, 40, kSoftware, 0, kNoStep, kDriver, 10, 30, kSkinName},
    {41, 52, kSoftware, 0, kNoStep, kDriver, 9, 40, kMacroName},
}};
// Codes outside every range (above 52, negative) get the default FunctionInfo:
// no report, no step, performed by nobody, not offered, no name.

constexpr bool RangesAreOrderedAndContiguous() {
  for (std::size_t i = 1; i < kCodes.size(); ++i)
    if (kCodes[i].first != kCodes[i - 1].last + 1 || kCodes[i].last < kCodes[i].first)
      return false;
  return kCodes.front().first == 0;
}
static_assert(RangesAreOrderedAndContiguous());

const CodeRange* FindRange(ButtonFunction code) {
  for (const CodeRange& range : kCodes)
    if (code >= range.first && code <= range.last) return &range;
  return nullptr;
}

}  // namespace

FunctionInfo DescribeFunction(ButtonFunction code) {
  FunctionInfo info;
  const CodeRange* range = FindRange(code);
  if (range == nullptr) return info;
  switch (range->report) {
    case Report::CodeMinusOffset:
      info.hardwareNumber = static_cast<std::uint8_t>(code - range->hardwareOffset);
      break;
    case Report::SoftwareMark:
      info.hardwareNumber = kSoftwareFunction;
      break;
    case Report::None:
      break;
  }
  info.dpiStep = range->dpiStep;
  info.performer = range->performer;
  info.name = range->name;
  const int row = code - range->rowOffset;
  if (range->group == kFirstLevel) {
    info.firstLevelRow = row;
  } else if (range->group != kNotOffered) {
    info.group = range->group;
    info.groupRow = row;
  }
  return info;
}

std::optional<ButtonFunction> FunctionOfPopupRow(int group, int row) {
  for (const CodeRange& range : kCodes) {
    if (range.group != group || range.report == Report::None) continue;
    const ButtonFunction code = row + range.rowOffset;
    if (code >= range.first && code <= range.last) return code;
  }
  return std::nullopt;
}

std::optional<int> MacroSlotOf(ButtonFunction code) {
  if (DescribeFunction(code).name != NameSource::MacroName) return std::nullopt;
  return code - kFirstMacroFunction;
}

}  // namespace varkel
