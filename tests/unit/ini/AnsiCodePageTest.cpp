#include "platform/portable/AnsiCodePage.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

TEST(AnsiCodePage, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(EncodeAnsi(DecodeAnsi(all)), all);
}

TEST(AnsiCodePage, MapsWindows1252AndMarksTheRest) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"K1=7", "K1=7"},
      {u"caf\u00e9", "caf\xE9"},
      {u"\u20ac\u2122\u0178", "\x80\x99\x9F"},
      {u"\u0080\u0081\u009e\u00a0", "?\x81?\xA0"},  // C1 controls 1252 keeps, and not
      {u"\u4e2d\u6587", "??"},
      {u"a\U0001F600b", "a?b"},                         // one '?' for a surrogate pair
      {std::u16string{u'a', char16_t(0xDC00)}, "a?"},  // a lone surrogate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeAnsi(c.text), c.bytes);
    // Held exactly when it comes back as it was.
    EXPECT_EQ(AnsiHolds(c.text), DecodeAnsi(c.bytes) == c.text) << c.bytes;
  }
  EXPECT_EQ(DecodeAnsi("\x80\x81\xFF"), std::u16string(u"\u20ac\u0081\u00ff"));
}

}  // namespace
}  // namespace varkel
