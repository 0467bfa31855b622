#include "skin/SkinValue.h"

#include <gtest/gtest.h>

#include "SkinFakes.h"

namespace varkel {
namespace {

using skintest::SkinReaderFixture;

TEST(SkinValue, SplitsFieldsAtCommas) {
  struct Case {
    const char* what;
    std::u16string value;
    SkinFields fields;
  };
  const Case cases[] = {
      {"six fields, each with its comma", u"btn,20,30,40,50,左键,",
       {u"btn", u"20", u"30", u"40", u"50", u"左键", u""}},
      {"last comma missing: empty text, field 6 the whole value", u"btn,20,30,40,50,左键",
       {u"btn", u"20", u"30", u"40", u"50", u"", u"btn,20,30,40,50,左键"}},
      {"no comma: field 0 only", u"左键", {u"左键", u"", u"", u"", u"", u"", u""}},
      {"a name with its comma", u"左键,", {u"左键", u"", u"左键", u"", u"左键", u"", u"左键,"}},
      {"seven commas: the rest lands in field 6", u"a,1,2,3,4,t,x,y",
       {u"a", u"1", u"2", u"3", u"4", u"t", u"x,y"}},
      {"a missing comma restarts from the beginning", u"a,b",
       {u"a", u"", u"a", u"", u"a", u"", u"a,b"}},
      {"empty fields", u",,,,,,", {u"", u"", u"", u"", u"", u"", u""}},
      {"empty value", u"", {u"", u"", u"", u"", u"", u"", u""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitSkinValue(c.value), c.fields) << c.what;
}

TEST(SkinValue, ValuesAreCutAt259CharactersBeforeSplitting) {
  struct Case {
    std::size_t textLength;
    bool lastCommaKept;
  };
  for (const Case c : {Case{248, true}, Case{249, false}}) {
    SkinReaderFixture f;
    const std::u16string text(c.textLength, u't');
    const std::u16string value = u"n,1,2,3,4," + text + u",";
    f.ini.Set(u"s.ini", u"BUTTONPOS", u"0", value);
    const auto fields = ReadSkinValue(f.reader, u"s.ini", u"BUTTONPOS", 0);
    ASSERT_TRUE(fields);
    EXPECT_EQ((*fields)[5], c.lastCommaKept ? text : u"") << c.textLength;
    EXPECT_EQ((*fields)[6], c.lastCommaKept ? u"" : value.substr(0, 259)) << c.textLength;
  }
}

TEST(SkinValue, MoreThanSixCommasAreReportedOncePerKey) {
  struct Case {
    std::u16string value;
    std::vector<std::u16string> log;
  };
  const Case cases[] = {
      {u"a,1,2,3,4,t,", {}},
      {u"a,1,2,3,4,t,x,", {u"msg 加载ini错误！"}},
      {u",,,,,,,,,,,,,,", {u"msg 加载ini错误！"}},
  };
  for (const Case& c : cases) {
    SkinReaderFixture f;
    f.ini.Set(u"s.ini", u"BUTTONPOS", u"12", c.value);
    const auto fields = ReadSkinValue(f.reader, u"s.ini", u"BUTTONPOS", 12);
    ASSERT_TRUE(fields);
    EXPECT_EQ((*fields)[0], SplitSkinValue(c.value)[0]);
    EXPECT_EQ(f.recorder.log, c.log) << std::string(c.value.begin(), c.value.end());
  }
}

TEST(SkinValue, MissingFileShowsItsMessageThenShutsDown) {
  SkinReaderFixture f;
  f.ini.Set(u"other.ini", u"BUTTONPOS", u"0", u"a,1,2,3,4,t,");
  EXPECT_FALSE(ReadSkinValue(f.reader, u"s.ini", u"BUTTONPOS", 0));
  EXPECT_EQ(f.recorder.log, (std::vector<std::u16string>{u"msg 找不到配置文件", u"shutdown"}));
  EXPECT_TRUE(f.ini.reads.empty());
}

TEST(SkinValue, MissingKeyOrSectionGivesEmptyFields) {
  SkinReaderFixture f;
  f.ini.CreateEmpty(u"s.ini");
  const auto fields = ReadSkinValue(f.reader, u"s.ini", u"EDIT", 3);
  ASSERT_TRUE(fields);
  EXPECT_EQ(*fields, SkinFields{});
  EXPECT_TRUE(f.recorder.log.empty());
}

}  // namespace
}  // namespace varkel
