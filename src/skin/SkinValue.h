#pragma once
// One value of a skin layout file: up to seven comma-separated fields.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Shutdown.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Ini.h"

namespace varkel {

using SkinFields = std::array<std::u16string, 7>;

// What reading the skin needs from the platform and the program.
struct SkinReader {
  IniFiles& ini;
  Files& files;
  Dialogs& dialogs;
  Shutdown& shutdown;
};

inline constexpr std::u16string_view kMissingFileMessage = u"找不到配置文件";
inline constexpr std::u16string_view kBadValueMessage = u"加载ini错误！";
// The ini functions are given a buffer of 260 characters.
inline constexpr std::size_t kSkinValueCapacity = 260;

// Fields 0-5 are the text before each of the first six commas. A field whose
// comma is missing is empty, and the field after it starts again from the
// beginning of the value; field 6 is what follows the sixth comma. Layout
// files in the wild were written against this rule, so it is kept as is.
SkinFields SplitSkinValue(std::u16string_view value);

// Reads key `index` of `section`. When the file is missing: the missing-file
// message, ShutdownDriver, and nothing. More than six commas: the bad-value
// message once, and the value is still split.
std::optional<SkinFields> ReadSkinValue(const SkinReader& reader, std::u16string_view path,
                                        std::u16string_view section, std::int32_t index);

}  // namespace varkel
