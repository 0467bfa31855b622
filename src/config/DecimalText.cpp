#include "config/DecimalText.h"

#include <limits>
#include <string>

namespace varkel {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::int32_t ParseDecimal(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // Accumulate the magnitude in 64 bits and stop growing it once it is past
  // the 32-bit range, so that any number of digits is safe.
  constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude > kCap) magnitude = kCap + 1;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::u16string FormatDecimal(std::int32_t value) {
  const std::string ascii = std::to_string(value);
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace varkel
