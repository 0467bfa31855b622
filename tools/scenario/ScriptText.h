#pragma once
// Reading a command's arguments, and numbers as the transcript shows them.
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>

namespace varkel::scenario {

// A whole decimal number, nothing else.
inline bool ParseInt(const std::string& text, long long& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

inline bool ParseInt32(const std::string& text, std::int32_t& value) {
  long long v = 0;
  if (!ParseInt(text, v) || v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

// "0A": two hex digits.
inline std::string Hex2(unsigned value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", value & 0xFFu);
  return text;
}

// "1,2,3": a list, comma-separated.
template <typename T, std::size_t N>
std::string Joined(const std::array<T, N>& values) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    if (i) text += ',';
    text += std::to_string(static_cast<long long>(values[i]));
  }
  return text;
}

}  // namespace varkel::scenario
