#include "macros/MacroFile.h"

#include <algorithm>

#include "config/DecimalText.h"

namespace varkel {

namespace {

constexpr std::u16string_view kSection = u"Macros";
constexpr std::u16string_view kCountKey = u"macroNum";
constexpr int kNameBytes = 2 * kMacroNameUnits;  // fields 0..39
constexpr int kRepeatModeField = 40;
constexpr int kRepeatCountField = 41;  // low byte, then high byte
constexpr int kEventCountField = 43;
constexpr int kFirstStepField = 44;  // four fields per step
static_assert(kRepeatModeField == kNameBytes, "the name's 40 bytes come first");

// The macro's bytes in field order.
std::array<std::uint8_t, kMacroFields> ToFields(const Macro& m) {
  std::array<std::uint8_t, kMacroFields> f{};
  for (int u = 0; u < kMacroNameUnits; ++u) {
    f[2 * u] = static_cast<std::uint8_t>(m.name[u] & 0xFF);
    f[2 * u + 1] = static_cast<std::uint8_t>(m.name[u] >> 8);
  }
  f[kRepeatModeField] = m.repeatMode;
  f[kRepeatCountField] = static_cast<std::uint8_t>(m.repeatCount & 0xFF);
  f[kRepeatCountField + 1] = static_cast<std::uint8_t>(m.repeatCount >> 8);
  f[kEventCountField] = m.eventCount;
  for (int k = 0; k < kMacroSteps; ++k) {
    const MacroEvent& e = m.events[k];
    const int at = kFirstStepField + 4 * k;
    f[at] = e.keyCode;
    f[at + 1] = e.action;
    f[at + 2] = static_cast<std::uint8_t>(e.delayMs & 0xFF);
    f[at + 3] = static_cast<std::uint8_t>(e.delayMs >> 8);
  }
  return f;
}

Macro FromFields(const std::array<std::uint8_t, kMacroFields>& f) {
  Macro m;
  for (int u = 0; u < kMacroNameUnits; ++u) {
    m.name[u] = static_cast<char16_t>(f[2 * u] | (f[2 * u + 1] << 8));
  }
  m.repeatMode = f[kRepeatModeField];
  m.repeatCount = static_cast<std::uint16_t>(f[kRepeatCountField] | (f[kRepeatCountField + 1] << 8));
  m.eventCount = f[kEventCountField];
  for (int k = 0; k < kMacroSteps; ++k) {
    const int at = kFirstStepField + 4 * k;
    m.events[k] = MacroEvent{f[at], f[at + 1], static_cast<std::uint16_t>(f[at + 2] | (f[at + 3] << 8))};
  }
  return m;
}

}  // namespace

std::u16string EncodeMacro(const Macro& macro) {
  std::u16string value;
  value.reserve(kMacroValueChars);
  for (std::uint8_t b : ToFields(macro)) {
    value.push_back(static_cast<char16_t>(u'0' + b / 100));
    value.push_back(static_cast<char16_t>(u'0' + b / 10 % 10));
    value.push_back(static_cast<char16_t>(u'0' + b % 10));
  }
  return value;
}

Macro DecodeMacro(std::u16string_view value) {
  value = value.substr(0, kMacroValueChars);
  std::array<std::uint8_t, kMacroFields> fields{};
  for (std::size_t i = 0; i < fields.size() && 3 * i < value.size(); ++i) {
    fields[i] = static_cast<std::uint8_t>(ParseDecimal(value.substr(3 * i, 3)) & 0xFF);
  }
  return FromFields(fields);
}

void LoadMacros(MacroFileContext& ctx, std::u16string_view path, MacroTable& table) {
  if (!ctx.files.Exists(path)) ctx.dialogs.ShowMessage(u"找不到配置文件");

  // The file is read before the table is locked: the driver thread may be
  // playing from it meanwhile.
  const int stored = ParseDecimal(ctx.ini.Read(path, kSection, kCountKey, 3));
  const int count = std::clamp(stored, 0, kMacroSlots);
  std::array<Macro, kMacroSlots> loaded;
  loaded.fill(FreeMacroSlot());
  for (int slot = 0; slot < count; ++slot) {
    loaded[slot] = DecodeMacro(ctx.ini.Read(path, kSection, FormatDecimal(slot), kMacroValueChars + 1));
  }

  std::lock_guard guard(table.lock);
  table.macros = loaded;
  table.macroCount = static_cast<std::int16_t>(count);
  table.currentMacro = count > 0 ? count - 1 : 0;
}

void SaveMacros(IniFiles& ini, std::u16string_view path, const MacroTable& table) {
  const int count = std::clamp<int>(table.macroCount, 0, kMacroSlots);
  ini.Write(path, kSection, kCountKey, FormatDecimal(count));
  for (int slot = 0; slot < count; ++slot) {
    ini.Write(path, kSection, FormatDecimal(slot), EncodeMacro(table.macros[slot]));
  }
}

}  // namespace varkel
