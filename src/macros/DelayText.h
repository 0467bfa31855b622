#pragma once
// The delay a person typed into the event list's in-place editor.
#include <cstdint>
#include <string_view>

namespace varkel {

// What comes before the first "ms", read as a decimal number (leading blanks
// and a sign, up to the first other character; nothing numeric is 0) and
// kept to 16 bits the way the step stores it: the remainder and the quotient
// of a division by 256, each cut to 8 bits. "  250 ms" is 250, 70000 is 4464.
std::uint16_t ParseDelayText(std::u16string_view text);

}  // namespace varkel
