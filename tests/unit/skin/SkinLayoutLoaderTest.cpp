#include "skin/SkinLayoutLoader.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "SkinFakes.h"

namespace varkel {
namespace {

using skintest::SkinReaderFixture;

constexpr char16_t kDir[] = u"C:\\app\\skins";
const std::u16string kMain = u"C:\\app\\skins\\skin_main.ini";
const std::u16string kColour = u"C:\\app\\skins\\skin_color.ini";
const std::u16string kAdvanced = u"C:\\app\\skins\\skin_advance.ini";
const std::u16string kWarning = u"C:\\app\\skins\\LBWarning.ini";

std::u16string Num(int v) {
  std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

// A skin whose every key is present, each value naming where it came from;
// `skip` leaves out keys ("file|section|key") or whole files.
void FillSkin(skintest::FakeIni& ini, const std::function<bool(const std::u16string&)>& skip = {}) {
  auto set = [&](const std::u16string& file, const std::u16string& section, int key,
                 const std::u16string& value) {
    if (skip && (skip(file) || skip(file + u"|" + section + u"|" + Num(key)))) return;
    ini.Set(file, section, Num(key), value);
  };
  auto table = [&](const std::u16string& file, int count) {
    for (int k = 0; k < count; ++k)
      set(file, u"BUTTONPOS", k, std::u16string(u"e,").append(Num(k)).append(u",1,2,3,t").append(Num(k)).append(u","));
  };
  table(kMain, 80);
  table(kColour, 12);
  table(kAdvanced, 20);
  table(kWarning, 3);
  for (int k = 1; k <= 54; ++k) set(kMain, u"FUN_STRING", k, std::u16string(u"f").append(Num(k)));
  set(kAdvanced, u"EDIT", 3, u"repeat,10,20,30,40,,");
  set(kAdvanced, u"EDIT", 4, u"name,11,21,31,41,,");
  set(kAdvanced, u"MACRODISPLAY", 1, u"macros,12,22,32,42,,");
  set(kAdvanced, u"MACRODISPLAY", 2, u"events,13,23,33,43,,");
}

std::vector<std::u16string> StartUpOrder() {
  std::vector<std::u16string> reads;
  auto run = [&](const std::u16string& file, const std::u16string& section, int first, int last) {
    for (int k = first; k <= last; ++k) reads.push_back(file + u"|" + section + u"|" + Num(k));
  };
  run(kMain, u"BUTTONPOS", 0, 79);
  run(kMain, u"FUN_STRING", 1, 54);
  run(kColour, u"BUTTONPOS", 0, 11);
  run(kAdvanced, u"BUTTONPOS", 0, 19);
  run(kAdvanced, u"EDIT", 3, 4);
  run(kAdvanced, u"MACRODISPLAY", 1, 2);
  run(kWarning, u"BUTTONPOS", 0, 2);
  return reads;
}

TEST(SkinLayoutLoader, ReadsEveryKeyInStartUpOrder) {
  SkinReaderFixture f;
  FillSkin(f.ini);
  SkinLayout layout;
  ASSERT_TRUE(ReadSkinLayout(f.reader, kDir, layout));
  EXPECT_EQ(f.ini.reads, StartUpOrder());
  EXPECT_TRUE(f.recorder.log.empty());

  EXPECT_EQ(layout.main[79].x, 79);
  EXPECT_EQ(layout.main[79].text, u"t79");
  EXPECT_EQ(layout.colour[11].text, u"t11");
  EXPECT_EQ(layout.advanced[19].x, 19);
  EXPECT_EQ(layout.warning[2].text, u"t2");
  EXPECT_EQ(layout.functionNames[0], u"");
  EXPECT_EQ(layout.functionNames[54], u"f54");
  EXPECT_EQ(layout.repeatBox.Bounds(), (Rect{10, 20, 40, 60}));
  EXPECT_EQ(layout.nameBox.Bounds(), (Rect{11, 21, 42, 62}));
  EXPECT_EQ(layout.macroList.Bounds(), (Rect{12, 22, 44, 64}));
  EXPECT_EQ(layout.eventList.Bounds(), (Rect{13, 23, 46, 66}));
}

TEST(SkinLayoutLoader, StopsAtTheFirstMissingFile) {
  struct Case {
    std::u16string missing;
    std::size_t readsBeforeStop;  // keys read before the missing file
    bool mainWindowRead;
  };
  const Case cases[] = {
      {kMain, 0, false},
      {kColour, 80 + 54, false},
      {kAdvanced, 80 + 54 + 12, false},
      {kWarning, 80 + 54 + 12 + 24, true},
  };
  for (const Case& c : cases) {
    SkinReaderFixture g;
    FillSkin(g.ini, [&](const std::u16string& name) { return name == c.missing; });
    SkinLayout layout;
    EXPECT_EQ(ReadMainWindowLayout(g.reader, kDir, layout), c.mainWindowRead);
    if (c.mainWindowRead) {
      EXPECT_FALSE(ReadWarningLayout(g.reader, kDir, layout));
    }
    const auto order = StartUpOrder();
    EXPECT_EQ(g.ini.reads, std::vector<std::u16string>(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(c.readsBeforeStop)));
    EXPECT_EQ(g.recorder.log, (std::vector<std::u16string>{u"msg 找不到配置文件", u"shutdown"}));
  }
}

TEST(SkinLayoutLoader, NumbersConvertLikeStrtol) {
  struct Case {
    std::u16string field;
    std::int32_t value;
  };
  const Case cases[] = {
      {u"20", 20},         {u"  -12px", -12},          {u"+7", 7},
      {u"x5", 0},          {u"", 0},                   {u"\t 3 4", 3},
      {u"- 5", 0},         {u"2147483647", INT_MAX},   {u"99999999999", INT_MAX},
      {u"-2147483648", INT_MIN}, {u"-99999999999", INT_MIN}, {u"０", 0},
  };
  for (const Case& c : cases) {
    SkinReaderFixture f;
    FillSkin(f.ini);
    f.ini.Set(kMain, u"BUTTONPOS", u"3", u"e," + c.field + u",0,0,0,t,");
    SkinLayout layout;
    ASSERT_TRUE(ReadSkinLayout(f.reader, kDir, layout));
    EXPECT_EQ(layout.main[3].x, c.value) << std::string(c.field.begin(), c.field.end());
  }
}

TEST(SkinLayoutLoader, MissingKeyLeavesAnEmptyElement) {
  SkinReaderFixture g;
  FillSkin(g.ini, [](const std::u16string& read) {
    return read == kMain + u"|BUTTONPOS|7" || read == kMain + u"|FUN_STRING|9";
  });
  SkinLayout layout;
  ASSERT_TRUE(ReadSkinLayout(g.reader, kDir, layout));
  EXPECT_TRUE(layout.main[7].Bounds().IsEmpty());
  EXPECT_FALSE(layout.main[7].Contains(0, 0));
  EXPECT_EQ(layout.main[7].text, u"");
  EXPECT_EQ(FunctionName(layout, 9), u"");
  EXPECT_TRUE(g.recorder.log.empty());
}

TEST(SkinLayout, FunctionNameNeverLeavesTheTable) {
  SkinLayout layout;
  for (int k = 0; k < kFunctionNameCount; ++k) layout.functionNames[static_cast<std::size_t>(k)] = Num(k);
  struct Case {
    std::int32_t code;
    std::u16string name;
  };
  const Case cases[] = {{1, u"1"},  {54, u"54"}, {0, u""},       {55, u""},
                        {-1, u""}, {INT_MAX, u""}, {INT_MIN, u""}};
  for (const Case& c : cases) EXPECT_EQ(FunctionName(layout, c.code), c.name) << c.code;
}

TEST(SkinLayout, ElementBoundsHoldAtTheEndsOfTheRange) {
  struct Case {
    SkinElement element;
    Rect bounds;
  };
  const Case cases[] = {
      {{20, 30, 40, 50, u""}, {20, 30, 60, 80}},
      {{INT_MAX, 0, 10, 1, u""}, {INT_MAX, 0, INT_MAX, 1}},
      {{INT_MIN, INT_MIN, -10, -10, u""}, {INT_MIN, INT_MIN, INT_MIN, INT_MIN}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.element.Bounds(), c.bounds);
  const SkinElement e{20, 30, 40, 50, u""};
  EXPECT_TRUE(e.Contains(20, 30));
  EXPECT_TRUE(e.Contains(59, 79));
  EXPECT_FALSE(e.Contains(60, 30));
  EXPECT_FALSE(e.Contains(20, 80));
}

}  // namespace
}  // namespace varkel
