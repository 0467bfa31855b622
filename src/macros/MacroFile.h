#pragma once
// The macro file (Macro.dat, defMacro.dat and exported *.dat): section
// "Macros", "macroNum", and one key per slot of 1064 three-digit fields.
#include <string>
#include <string_view>

#include "macros/MacroTable.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Ini.h"

namespace varkel {

constexpr int kMacroFields = 1064;
constexpr std::size_t kMacroValueChars = 3 * kMacroFields;  // 3192

struct MacroFileContext {
  IniFiles& ini;
  Files& files;
  Dialogs& dialogs;
};

// Replaces the table's contents. A missing file says "找不到配置文件" and
// leaves an empty table. A "macroNum" above 12 loads the first twelve
// macros; a negative one loads none.
void LoadMacros(MacroFileContext& ctx, std::u16string_view path, MacroTable& table);

// Writes "macroNum" and the keys of the slots in use; keys of slots beyond
// them, left from earlier saves, stay in the file.
void SaveMacros(IniFiles& ini, std::u16string_view path, const MacroTable& table);

// One macro as its 3192-character value, and back. A short value gives 0 for
// the fields it lacks; characters past 3192 are ignored.
std::u16string EncodeMacro(const Macro& macro);
Macro DecodeMacro(std::u16string_view value);

}  // namespace varkel
