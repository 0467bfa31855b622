#include "skin/SkinValue.h"

#include <algorithm>

#include "config/DecimalText.h"

namespace varkel {

SkinFields SplitSkinValue(std::u16string_view value) {
  SkinFields fields;
  if (value.find(u',') == std::u16string_view::npos) {
    fields[0] = std::u16string(value);
    return fields;
  }
  constexpr std::ptrdiff_t kNone = -1;
  const auto length = static_cast<std::ptrdiff_t>(value.size());
  std::ptrdiff_t p = kNone;  // the comma before the current field
  for (int i = 0; i <= 5; ++i) {
    const std::ptrdiff_t s = p + 1;
    std::ptrdiff_t c = kNone;
    if (s >= 0 && s < length) {
      const auto found = value.find(u',', static_cast<std::size_t>(s));
      if (found != std::u16string_view::npos) c = static_cast<std::ptrdiff_t>(found);
    }
    if (c != kNone) fields[i] = std::u16string(value.substr(static_cast<std::size_t>(s),
                                                            static_cast<std::size_t>(c - s)));
    if (i == 5) {
      fields[6] = c == kNone ? std::u16string(value)
                             : std::u16string(value.substr(static_cast<std::size_t>(c) + 1));
    }
    p = c;
  }
  return fields;
}

std::optional<SkinFields> ReadSkinValue(const SkinReader& reader, std::u16string_view path,
                                        std::u16string_view section, std::int32_t index) {
  if (!reader.files.Exists(path)) {
    reader.dialogs.ShowMessage(kMissingFileMessage);
    reader.shutdown.ShutdownDriver();
    return std::nullopt;
  }
  const std::u16string value =
      reader.ini.Read(path, section, FormatDecimal(index), kSkinValueCapacity, u"");
  if (std::count(value.begin(), value.end(), u',') > 6) reader.dialogs.ShowMessage(kBadValueMessage);
  return SplitSkinValue(value);
}

}  // namespace varkel
