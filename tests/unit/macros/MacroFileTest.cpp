#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "macros/MacroFile.h"
#include "unit/support/MemoryIni.h"

namespace varkel {
namespace {

// The macro file's keys in memory.
class MemoryIni final : public IniFiles {
 public:
  std::u16string Read(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                      std::size_t capacity, std::u16string_view def) override {
    return store.Read(path, section, key, capacity, def);
  }
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    store.Write(path, section, key, value);
    writes.emplace_back(key);
  }
  void Set(std::u16string_view key, std::u16string_view value) { store.values[{kPath, u"Macros", std::u16string(key)}] = value; }
  void Erase(std::u16string_view key) { store.values.erase({kPath, u"Macros", std::u16string(key)}); }
  std::u16string Get(std::u16string_view key) { return store.values[{kPath, u"Macros", std::u16string(key)}]; }

  static inline const std::u16string kPath = u"C:\\app\\Macro.dat";
  testing_support::MemoryIni store;
  std::vector<std::u16string> writes;
};

class StubFiles final : public Files {
 public:
  bool Exists(std::u16string_view) override { return exists; }
  bool exists = true;
};

class RecordingDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
  std::vector<std::u16string> messages;
};

struct MacroFileTest : ::testing::Test {
  MemoryIni ini;
  StubFiles files;
  RecordingDialogs dialogs;
  MacroFileContext ctx{ini, files, dialogs};
  MacroTable table;

  void Load() { LoadMacros(ctx, MemoryIni::kPath, table); }
};

std::u16string Key(int slot) {
  return slot < 10 ? std::u16string(1, char16_t(u'0' + slot)) : u"1" + std::u16string(1, char16_t(u'0' + slot - 10));
}

// Every byte differs from its neighbours, so a field swapped or shifted shows.
Macro BusyMacro(int seed) {
  Macro m;
  for (int u = 0; u < kMacroNameUnits; ++u) m.name[u] = static_cast<char16_t>(0x4E00 + seed * 97 + u * 31);
  m.name[3] = 0;  // units after the terminator are kept too
  m.repeatMode = static_cast<std::uint8_t>(seed);
  m.repeatCount = static_cast<std::uint16_t>(0xA55A + seed);
  m.eventCount = static_cast<std::uint8_t>(200 + seed);
  for (int k = 0; k < kMacroSteps; ++k) {
    m.events[k] = {static_cast<std::uint8_t>(k + seed), static_cast<std::uint8_t>(k * 7),
                   static_cast<std::uint16_t>(k * 257 + seed)};
  }
  return m;
}

TEST_F(MacroFileTest, SaveThenLoadKeepsEveryByteOfEverySlotInUse) {
  for (int i = 0; i < kMacroSlots; ++i) table.macros[i] = BusyMacro(i);
  table.macros[11].events[254].delayMs = 0xFFEE;  // the last field of a value
  table.macroCount = 12;
  SaveMacros(ini, MemoryIni::kPath, table);

  MacroTable loaded;
  LoadMacros(ctx, MemoryIni::kPath, loaded);
  EXPECT_EQ(loaded.macroCount, 12);
  EXPECT_EQ(loaded.currentMacro, 11);
  for (int i = 0; i < kMacroSlots; ++i) EXPECT_EQ(loaded.macros[i], table.macros[i]) << "slot " << i;
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MacroFileTest, ValueIsThreeDigitFieldsInFieldOrder) {
  Macro m;
  m.name[0] = u'A';
  m.repeatCount = 1;
  m.eventCount = 1;
  m.events[0] = {0x41, 1, 30};
  m.events[254] = {0xFF, 0x80, 0x0102};  // unused slots are written too
  const std::u16string value = EncodeMacro(m);
  ASSERT_EQ(value.size(), 3192u);
  EXPECT_EQ(value.substr(0, 12), u"065000000000");
  EXPECT_EQ(value.substr(3 * 40, 24), u"000001000001065001030000");
  EXPECT_EQ(value.substr(3 * (44 + 4 * 254)), u"255128002001");
  EXPECT_EQ(value.find_first_not_of(u"0123456789"), std::u16string::npos);
}

TEST_F(MacroFileTest, SaveWritesCountThenSlotsInOrder) {
  table.macros[0] = BusyMacro(1);
  table.macros[1] = BusyMacro(2);
  table.macros[2] = BusyMacro(3);  // beyond macroCount: not written
  table.macroCount = 2;
  SaveMacros(ini, MemoryIni::kPath, table);
  EXPECT_EQ(ini.writes, (std::vector<std::u16string>{u"macroNum", u"0", u"1"}));
  EXPECT_EQ(ini.Get(u"macroNum"), u"2");
  EXPECT_EQ(ini.Get(u"1").size(), 3192u);
}

TEST_F(MacroFileTest, KeysLeftFromEarlierSavesAreIgnored) {
  for (int i = 0; i < 3; ++i) table.macros[i] = BusyMacro(i);
  table.macroCount = 3;
  SaveMacros(ini, MemoryIni::kPath, table);
  table.macros[0] = BusyMacro(9);
  table.macroCount = 1;
  SaveMacros(ini, MemoryIni::kPath, table);
  EXPECT_EQ(ini.Get(u"2"), EncodeMacro(BusyMacro(2)));  // still in the file

  MacroTable loaded;
  LoadMacros(ctx, MemoryIni::kPath, loaded);
  EXPECT_EQ(loaded.macroCount, 1);
  EXPECT_EQ(loaded.currentMacro, 0);
  EXPECT_EQ(loaded.macros[0], BusyMacro(9));
  EXPECT_EQ(loaded.macros[1], FreeMacroSlot());
  EXPECT_EQ(loaded.macros[2], FreeMacroSlot());
}

// What "macroNum" gives: the count in use and the macro shown.
TEST_F(MacroFileTest, MacroNumDecidesCountAndCurrentMacro) {
  struct Case {
    const char16_t* stored;  // nullptr: key missing
    int count;
    int current;
  };
  const Case cases[] = {
      {nullptr, 0, 0}, {u"0", 0, 0},   {u"3", 3, 2},    {u" 3", 3, 2},  {u"+3", 3, 2},
      {u"12", 12, 11}, {u"13", 12, 11}, {u"99", 12, 11}, {u"123", 12, 11},  // read as "12"
      {u"-1", 0, 0},   {u"-9", 0, 0},  {u"x3", 0, 0},   {u"3x", 3, 2},  {u"", 0, 0},
  };
  for (int i = 0; i < kMacroSlots; ++i) ini.Set(Key(i), EncodeMacro(BusyMacro(i)));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? std::string(c.stored, c.stored + std::char_traits<char16_t>::length(c.stored)) : "missing");
    ini.Erase(u"macroNum");
    if (c.stored) ini.Set(u"macroNum", c.stored);
    MacroTable loaded;
    loaded.macros[11] = BusyMacro(50);  // leftovers of a previous load go
    LoadMacros(ctx, MemoryIni::kPath, loaded);
    EXPECT_EQ(loaded.macroCount, c.count);
    EXPECT_EQ(loaded.currentMacro, c.current);
    for (int i = 0; i < kMacroSlots; ++i) {
      EXPECT_EQ(loaded.macros[i], i < c.count ? BusyMacro(i) : FreeMacroSlot()) << "slot " << i;
    }
  }
}

// Hand-edited values: short, long, not numbers, out of range.
TEST_F(MacroFileTest, MalformedFieldsDecodeSafely) {
  const std::u16string good = EncodeMacro(BusyMacro(4));
  struct Case {
    const char* what;
    std::u16string value;
    Macro expected;
  };
  Macro shortened = BusyMacro(4);
  shortened.events[254].delayMs &= 0xFF;  // the last field (the high byte) is missing
  Macro partial = BusyMacro(4);
  partial.events[254].delayMs = static_cast<std::uint16_t>((partial.events[254].delayMs & 0xFF) | (1 << 8));
  std::vector<Case> cases = {
      {"empty", u"", Macro{}},
      {"one field short", good.substr(0, 3189), shortened},
      {"last field cut to one digit", good.substr(0, 3189) + u"1", partial},
      {"longer than 3192", good + u"123456", BusyMacro(4)},
      {"letters", u"abc" + good.substr(3), [&] { Macro m = BusyMacro(4); m.name[0] &= 0xFF00; return m; }()},
      // Out of range keeps the low 8 bits: 999 gives 0xE7, -1 gives 0xFF.
      {"999 and -01", u"999-01" + good.substr(6),
       [&] { Macro m = BusyMacro(4); m.name[0] = 0xFFE7; return m; }()},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeMacro(c.value), c.expected) << c.what;
}

TEST_F(MacroFileTest, MissingFileSaysSoAndGivesAnEmptyTable) {
  files.exists = false;
  table.macros[0] = BusyMacro(1);
  table.macroCount = 5;
  table.currentMacro = 4;
  Load();
  EXPECT_EQ(dialogs.messages, std::vector<std::u16string>{u"找不到配置文件"});
  EXPECT_EQ(table.macroCount, 0);
  EXPECT_EQ(table.currentMacro, 0);
  EXPECT_EQ(table.macros[0], FreeMacroSlot());
}

}  // namespace
}  // namespace varkel
