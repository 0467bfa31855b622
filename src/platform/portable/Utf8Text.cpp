#include "platform/portable/Utf8Text.h"

#include <cstdint>

namespace varkel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHigh(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  }
}

// One code point from bytes at i; i moves past it (one byte when invalid).
char32_t DecodeOne(std::string_view bytes, std::size_t& i) {
  const auto lead = static_cast<std::uint8_t>(bytes[i++]);
  if (lead < 0x80) return lead;
  int extra;
  char32_t c;
  char32_t smallest;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, c = lead & 0x1F, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, c = lead & 0x0F, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, c = lead & 0x07, smallest = 0x10000;
  } else {
    return kReplacement;
  }
  const std::size_t start = i;
  for (int k = 0; k < extra; ++k) {
    if (i >= bytes.size() || (static_cast<std::uint8_t>(bytes[i]) & 0xC0) != 0x80) {
      i = start;
      return kReplacement;
    }
    c = c << 6 | (static_cast<std::uint8_t>(bytes[i++]) & 0x3F);
  }
  if (c < smallest || c > 0x10FFFF || IsHigh(c) || IsLow(c)) {
    i = start;
    return kReplacement;
  }
  return c;
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (IsHigh(c) || IsLow(c)) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) AppendUtf16(out, DecodeOne(bytes, i));
  return out;
}

}  // namespace varkel
