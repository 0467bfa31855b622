// The text layer: element texts printed over the picture, some replaced by
// what they show (the driver's status, the recording button, the event
// counters, the applied DPI), the button slots' function names.
#include <algorithm>
#include <string>

#include "config/ProfileValues.h"
#include "views/HitTest.h"
#include "views/MainWindowPainter.h"

namespace varkel {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kRed{255, 0, 0};

constexpr char16_t kFontFace[] = u"宋体";
constexpr std::int32_t kFontTenthsOfPoint = 100;

constexpr int kStatusElement = 1;
constexpr int kLastCommonElement = 16;
constexpr int kFirstSlotElement = 17;  // mouse button b is element 16 + b
constexpr int kLastSlotElement = 22;
constexpr int kFirstPageItem = 17;     // items from here on come from the page's own table
constexpr int kItemsOnMainAndAdvanced = 37;
constexpr int kItemsOnColour = 28;
constexpr std::int32_t kSlotTextIndent = 5;
constexpr int kFirstMacroCode = 41;
constexpr int kLastMacroCode = 52;
constexpr int kLastNamedFunctionCode = 40;

// Advanced table.
constexpr int kRecordElement = 4;
constexpr int kPressCountElement = 14;
constexpr int kReleaseCountElement = 15;
// Colour table.
constexpr int kAppliedDpiElement = 9;

std::int32_t Held(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// Offset that centres a length within another; truncated toward zero.
std::int64_t Centred(std::int32_t room, std::int32_t length) {
  return (std::int64_t{room} - length) / 2;
}

// prefix and the decimal number, built by appending (gcc 12 warns wrongly
// about a literal + string).
std::u16string Decimal(std::int64_t value, std::u16string prefix = {}) {
  const std::string digits = std::to_string(value);
  prefix.append(digits.begin(), digits.end());
  return prefix;
}

// What the colour page shows for the current level's applied DPI value.
std::int32_t ShownDpi(std::uint8_t value) {
  static constexpr std::int32_t kShown[] = {3200, 1200, 1600, 2000, 2400};
  return value < std::size(kShown) ? kShown[value] : 1200;
}

std::u16string StatusLine(const PaintInputs& in) {
  if (in.driverRunning) return u"驱动运行中...";
  std::u16string line = u"配置完成，请点击鼠标第[";
  line += in.blinkPhase ? Decimal(in.runButton) : u" ";
  line += u"]键运行驱动";
  return line;
}

class TextPainter {
 public:
  TextPainter(const ViewContext& ctx, const PaintInputs& in, Canvas& canvas)
      : ctx_(ctx), in_(in), canvas_(canvas) {}

  void Draw() {
    canvas_.SetTransparentText();
    canvas_.SelectFont(kFontFace, kFontTenthsOfPoint);
    const int items = in_.page == Page::Colour ? kItemsOnColour : kItemsOnMainAndAdvanced;
    for (int d = 0; d < items; ++d) DrawItem(d);
  }

 private:
  void DrawItem(int d) {
    const auto& skin = ctx_.skin;
    if (d <= kLastCommonElement) {
      Centre(skin.main, d, d == kStatusElement ? StatusLine(in_) : skin.main[static_cast<std::size_t>(d)].text,
             d == kStatusElement ? kYellow : kWhite);
      return;
    }
    const int e = d - kFirstPageItem;
    switch (in_.page) {
      case Page::Main:
        if (d <= kLastSlotElement)
          SlotName(d);
        else
          Centre(skin.main, d, skin.main[static_cast<std::size_t>(d)].text, kWhite);
        break;
      case Page::Advanced:
        Centre(skin.advanced, e, AdvancedText(e), e == in_.advancedHover ? kRed : kWhite);
        break;
      case Page::Colour:
        Centre(skin.colour, e,
               e == kAppliedDpiElement ? Decimal(ShownDpi(AppliedDpiOfCurrentLevel()))
                                       : skin.colour[static_cast<std::size_t>(e)].text,
               kWhite);
        break;
    }
  }

  std::u16string AdvancedText(int e) const {
    switch (e) {
      case kRecordElement: return in_.recording ? u"停止" : u"录制";
      case kPressCountElement: return Decimal(in_.listedPresses, u"↓");
      case kReleaseCountElement: return Decimal(in_.listedReleases, u"↑");
      default: return ctx_.skin.advanced[static_cast<std::size_t>(e)].text;
    }
  }

  std::uint8_t AppliedDpiOfCurrentLevel() const {
    return in_.appliedDpiSet[static_cast<std::size_t>(DpiLevelIndex(in_.profile))];
  }

  // The function on mouse button b, left-aligned in its slot; red under the pointer.
  void SlotName(int d) {
    const int button = d - (kFirstSlotElement - 1);
    const std::u16string name = FunctionNameOf(in_.profile.buttons[static_cast<std::size_t>(button - 1)]);
    if (name.empty()) return;
    const SkinElement& e = ctx_.skin.main[static_cast<std::size_t>(d)];
    const Extent size = canvas_.MeasureText(name);
    canvas_.DrawTextAt(Held(std::int64_t{e.x} + kSlotTextIndent), Held(e.y + Centred(e.height, size.height)),
                     d == in_.mainHover ? kRed : kWhite, name);
  }

  std::u16string FunctionNameOf(ButtonFunction code) const {
    if (code >= kFirstMacroCode && code <= kLastMacroCode)
      return in_.macroNames[static_cast<std::size_t>(code - kFirstMacroCode)];
    if (code >= 1 && code <= kLastNamedFunctionCode) return std::u16string(FunctionName(ctx_.skin, code));
    return {};
  }

  void Centre(std::span<const SkinElement> table, int index, const std::u16string& text, Rgb colour) {
    const SkinElement* e = ElementAt(table, index);
    if (!e || text.empty()) return;
    const Extent size = canvas_.MeasureText(text);
    canvas_.DrawTextAt(Held(e->x + Centred(e->width, size.width)), Held(e->y + Centred(e->height, size.height)),
                     colour, text);
  }

  const ViewContext& ctx_;
  const PaintInputs& in_;
  Canvas& canvas_;
};

}  // namespace

void DrawTextLayer(const ViewContext& ctx, const PaintInputs& in, Canvas& canvas) {
  TextPainter(ctx, in, canvas).Draw();
}

}  // namespace varkel
