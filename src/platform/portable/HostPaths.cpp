#include "platform/portable/HostPaths.h"

#include <string>
#include <vector>

namespace varkel {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

char16_t UpperLetter(char16_t c) { return c >= u'a' ? static_cast<char16_t>(c - 0x20) : c; }

std::vector<std::u16string_view> Components(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = begin;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::u16string_view part = path.substr(begin, end - begin);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    begin = end + 1;
  }
  return parts;
}

// A lone surrogate would make the path conversion throw: it becomes U+FFFD.
std::filesystem::path FromUtf16(std::u16string_view text) {
  std::u16string clean(text);
  for (std::size_t i = 0; i < clean.size(); ++i) {
    const char16_t c = clean[i];
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    const bool low = c >= 0xDC00 && c <= 0xDFFF;
    if (high && i + 1 < clean.size() && clean[i + 1] >= 0xDC00 && clean[i + 1] <= 0xDFFF) {
      ++i;
    } else if (high || low) {
      clean[i] = 0xFFFD;
    }
  }
  return std::filesystem::path(clean);
}

}  // namespace

std::vector<std::u16string> WindowsPathParts(std::u16string_view windowsPath) {
  windowsPath = windowsPath.substr(0, windowsPath.find(u'\0'));
  std::vector<std::u16string> parts;
  if (windowsPath.size() >= 2 && IsAsciiLetter(windowsPath[0]) && windowsPath[1] == u':') {
    parts.emplace_back(1, UpperLetter(windowsPath[0]));
    windowsPath.remove_prefix(2);
  }
  for (const auto part : Components(windowsPath)) parts.emplace_back(part);
  return parts;
}

std::filesystem::path HostPaths::ToHost(std::u16string_view windowsPath) const {
  std::filesystem::path host = root_;
  for (const auto& part : WindowsPathParts(windowsPath)) host /= FromUtf16(part);
  return host;
}

}  // namespace varkel
