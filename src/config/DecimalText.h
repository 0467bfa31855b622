#pragma once
// Numbers as the program's files hold them: decimal text.
#include <cstdint>
#include <string>
#include <string_view>

namespace varkel {

// Reads like the C library's string-to-long conversion with a 32-bit long:
// leading blanks (space, tab, line feed, vertical tab, form feed, carriage
// return), then an optional sign, then ASCII digits up to the first other
// character. No digits give 0; a number beyond the 32-bit range gives the
// nearest end of that range.
std::int32_t ParseDecimal(std::u16string_view text);

// "%d": a minus sign for negative numbers, no padding.
std::u16string FormatDecimal(std::int32_t value);

}  // namespace varkel
