#include "platform/portable/HostPaths.h"

#include <algorithm>

namespace varkel {
namespace {

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

char16_t UpperLetter(char16_t c) { return c >= u'a' ? static_cast<char16_t>(c - 0x20) : c; }

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

std::u16string RelativeHostPath(std::u16string_view windowsPath) {
  windowsPath = windowsPath.substr(0, windowsPath.find(u'\0'));
  std::u16string joined;
  std::size_t floor = 0;  // ".." never climbs above the drive folder
  if (windowsPath.size() >= 2 && IsAsciiLetter(windowsPath[0]) && windowsPath[1] == u':') {
    joined += UpperLetter(windowsPath[0]);
    floor = 1;
    windowsPath.remove_prefix(2);
  }
  std::size_t begin = 0;
  while (begin <= windowsPath.size()) {
    const std::size_t end = std::min(windowsPath.find_first_of(u"\\/", begin), windowsPath.size());
    const std::u16string_view part = windowsPath.substr(begin, end - begin);
    if (part == u"..") {
      const std::size_t slash = joined.rfind(u'/');
      joined.resize(slash == std::u16string::npos || slash < floor ? floor : slash);
    } else if (!part.empty() && part != u".") {
      if (!joined.empty()) joined += u'/';
      joined += part;
    }
    begin = end + 1;
  }
  return joined;
}

std::filesystem::path HostPaths::ToHost(std::u16string_view windowsPath) const {
  std::filesystem::path host = root_;
  const std::u16string relative = RelativeHostPath(windowsPath);
  std::size_t begin = 0;
  while (begin < relative.size()) {
    const std::size_t slash = std::min(relative.find(u'/', begin), relative.size());
    host /= FromUtf16(std::u16string_view(relative).substr(begin, slash - begin));
    begin = slash + 1;
  }
  return host;
}

}  // namespace varkel
