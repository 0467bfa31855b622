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

constexpr std::array<char16_t, 256> kCharOfByte = [] {
  std::array<char16_t, 256> chars{};
  for (std::size_t b = 0; b < chars.size(); ++b) {
    chars[b] = b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : static_cast<char16_t>(b);
  }
  return chars;
}();

// The byte of each character below U+0100, or -1 where the code page has
// none (most C1 controls: their bytes hold other characters).
constexpr std::array<std::int16_t, 256> kByteOfLowChar = [] {
  std::array<std::int16_t, 256> bytes{};
  bytes.fill(-1);
  for (std::size_t b = 0; b < kCharOfByte.size(); ++b) {
    if (kCharOfByte[b] < 0x100) bytes[kCharOfByte[b]] = static_cast<std::int16_t>(b);
  }
  return bytes;
}();

// A character the table of low characters does not hold: '?' when the code
// page has no byte for it.
char EncodeRare(char16_t c) {
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool IsLowAnsi(char16_t c) { return c < 0x100 && kByteOfLowChar[c] >= 0; }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string DecodeAnsi(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  char16_t* out = text.data();
  for (const char b : bytes) *out++ = kCharOfByte[static_cast<std::uint8_t>(b)];
  return text;
}

std::string EncodeAnsi(std::u16string_view text) {
  std::string bytes(text.size(), '\0');
  char* out = bytes.data();
  for (auto c = text.begin(); c != text.end(); ++c) {
    if (IsLowAnsi(*c)) {
      *out++ = static_cast<char>(kByteOfLowChar[*c]);
      continue;
    }
    // A surrogate pair is one character: one '?'.
    if (IsHighSurrogate(*c) && c + 1 != text.end() && IsLowSurrogate(c[1])) ++c;
    *out++ = EncodeRare(*c);
  }
  bytes.resize(static_cast<std::size_t>(out - bytes.data()));
  return bytes;
}

bool AnsiHolds(std::u16string_view text) {
  for (const char16_t c : text) {
    if (!IsLowAnsi(c) && EncodeRare(c) == '?') return false;
  }
  return true;
}

}  // namespace varkel
