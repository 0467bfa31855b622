#include "macros/DelayText.h"

#include "config/DecimalText.h"

namespace varkel {

std::uint16_t ParseDelayText(std::u16string_view text) {
  const std::size_t unit = text.find(u"ms");
  if (unit != std::u16string_view::npos) text = text.substr(0, unit);
  const std::int32_t value = ParseDecimal(text);
  // Truncating division: a negative number keeps its low byte's bits.
  const auto low = static_cast<std::uint8_t>(value % 256);
  const auto high = static_cast<std::uint8_t>(value / 256);
  return static_cast<std::uint16_t>(low | (high << 8));
}

}  // namespace varkel
