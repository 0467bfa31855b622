#pragma once
// The harness reads scripts and prints transcripts in UTF-8; the program's
// text is UTF-16.
#include <string>
#include <string_view>

namespace varkel::scenario {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace varkel::scenario
