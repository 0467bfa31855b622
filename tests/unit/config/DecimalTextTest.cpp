#include "config/DecimalText.h"

#include <gtest/gtest.h>

#include <climits>

namespace varkel {
namespace {

TEST(DecimalText, ParsesLikeStringToLong) {
  struct Case {
    std::u16string text;
    std::int32_t value;
  };
  const Case cases[] = {
      {u"", 0},
      {u"0", 0},
      {u"42", 42},
      {u"  \t17", 17},
      {u"\r\n\v\f5", 5},
      {u"+8", 8},
      {u"-3", -3},
      {u"42A7", 42},
      {u"B12", 0},
      {u"- 3", 0},
      {u"+-3", 0},
      {u"--3", 0},
      {u"-", 0},
      {u"3 4", 3},
      {u"007", 7},
      {u"１２", 0},  // full-width digits are not digits here
      {u"\u3000" u"7", 0},  // nor is an ideographic space a blank
      {u"2147483647", INT_MAX},
      {u"-2147483648", INT_MIN},
      {u"2147483648", INT_MAX},
      {u"-2147483649", INT_MIN},
      {u"99999999999999999999999999", INT_MAX},
      {u"-99999999999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    EXPECT_EQ(ParseDecimal(c.text), c.value);
  }
}

TEST(DecimalText, FormatsAsPercentD) {
  struct Case {
    std::int32_t value;
    std::u16string text;
  };
  const Case cases[] = {
      {0, u"0"}, {7, u"7"}, {-1, u"-1"}, {255, u"255"}, {INT_MAX, u"2147483647"},
      {INT_MIN, u"-2147483648"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDecimal(c.value), c.text);
    EXPECT_EQ(ParseDecimal(c.text), c.value);
  }
}

}  // namespace
}  // namespace varkel
