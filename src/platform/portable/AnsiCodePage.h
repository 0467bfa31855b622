#pragma once
// The ANSI code page of the portable ini layer: Windows-1252. Every byte
// decodes to one character and encodes back to the same byte (the five bytes
// 1252 leaves undefined map to the C1 controls of the same value), so lines the
// program does not touch survive a rewrite unchanged.
#include <string>
#include <string_view>

namespace varkel {

std::u16string DecodeAnsi(std::string_view bytes);

// Characters the code page cannot hold become '?', one per code point.
std::string EncodeAnsi(std::u16string_view text);

// Whether the code page holds every character of the text, so that it
// encodes and decodes back to itself.
bool AnsiHolds(std::u16string_view text);

}  // namespace varkel
