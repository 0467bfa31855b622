#include "platform/portable/AnsiCodePage.h"

#include <array>
#include <cstdint>

namespace varkel {
namespace {

// Bytes 0x80..0x9F; the rest of the byte range is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeOne(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string DecodeAnsi(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char b : bytes) {
    const auto byte = static_cast<std::uint8_t>(b);
    text += (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t{byte};
  }
  return text;
}

std::string EncodeAnsi(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      bytes += '?';
      ++i;
      continue;
    }
    bytes += EncodeOne(text[i]);
  }
  return bytes;
}

}  // namespace varkel
