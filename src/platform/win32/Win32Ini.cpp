#include "platform/win32/Win32Ini.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace varkel::win32 {
namespace {

// NUL-terminated: the functions take C strings, so text stops at a NUL.
std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// No value is longer than its file; the cap only keeps the buffer sane.
constexpr std::size_t kLargestCapacity = std::size_t{1} << 24;

}  // namespace

std::u16string Win32Ini::Read(std::u16string_view path, std::u16string_view section,
                              std::u16string_view key, std::size_t capacity,
                              std::u16string_view def) {
  if (capacity == 0) return {};
  capacity = std::min(capacity, kLargestCapacity);
  std::vector<wchar_t> buffer(capacity, L'\0');
  const DWORD copied = GetPrivateProfileStringW(
      Wide(section).c_str(), Wide(key).c_str(), Wide(def).c_str(), buffer.data(),
      static_cast<DWORD>(capacity), Wide(path).c_str());
  const std::size_t length = std::min<std::size_t>(copied, capacity - 1);
  return std::u16string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
}

void Win32Ini::Write(std::u16string_view path, std::u16string_view section,
                     std::u16string_view key, std::u16string_view value) {
  WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                             Wide(path).c_str());
}

}  // namespace varkel::win32
