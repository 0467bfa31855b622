#include "platform/portable/Utf8Text.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

TEST(Utf8Text, ConvertsBothWays) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"", ""},
      {u"K1=7", "K1=7"},
      {u"caf\u00e9", "caf\xC3\xA9"},
      {u"\u6e38\u620f\u9f20", "\xE6\xB8\xB8\xE6\x88\x8F\xE9\xBC\xA0"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf8(c.text), c.bytes);
    EXPECT_EQ(FromUtf8(c.bytes), c.text);
  }
}

TEST(Utf8Text, BadInputBecomesReplacementCharacters) {
  EXPECT_EQ(ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(ToUtf8(std::u16string{char16_t(0xDC00)}), "\xEF\xBF\xBD");
  struct Case {
    std::string bytes;
    std::u16string text;
  };
  const Case cases[] = {
      {"a\xFF" "b", u"a\uFFFDb"},
      {"\xC3", u"\uFFFD"},                      // cut short at the end
      {"\xE6\xB8" "x", u"\uFFFD\uFFFDx"},       // cut short before an ASCII byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(FromUtf8(c.bytes), c.text);
}

}  // namespace
}  // namespace varkel
