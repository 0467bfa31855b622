#pragma once
// The program's UTF-16 text as the system's wide strings; the same 16-bit
// units on Windows.
#include <string>
#include <string_view>

namespace varkel::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

}  // namespace varkel::win32
