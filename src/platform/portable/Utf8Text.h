#pragma once
// UTF-8 for what leaves or enters the program as bytes: command lines,
// console output, host file names. Bad input never fails: a lone surrogate
// or an invalid byte sequence becomes U+FFFD.
#include <string>
#include <string_view>

namespace varkel {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view bytes);

}  // namespace varkel
