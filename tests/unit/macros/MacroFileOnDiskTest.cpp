#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "config/DecimalText.h"
#include "macros/MacroFile.h"
#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableIni.h"
#include "unit/ini/TempFolder.h"

namespace varkel {
namespace {

class NoDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
  std::vector<std::u16string> messages;
};

std::string ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The file as the profile functions leave it, and the shipped macro files
// read back into what they were written from.
struct MacroFileOnDisk : ::testing::Test {
  TempFolder folder;
  HostPaths host{folder.Path()};
  PortableIni ini{host};
  PortableFiles files{host};
  NoDialogs dialogs;
  MacroFileContext ctx{ini, files, dialogs};

  MacroFileOnDisk() { std::filesystem::create_directories(host.ToHost(u"C:\\app")); }
};

TEST_F(MacroFileOnDisk, SavedFileHoldsCountAndFullValues) {
  MacroTable table;
  table.macros[0].name[0] = u'A';
  table.macros[0].repeatCount = 1;
  table.macros[0].eventCount = 1;
  table.macros[0].events[0] = {0x41, 1, 30};
  table.macros[1].events[254].delayMs = 0x1234;
  table.macroCount = 2;
  SaveMacros(ini, u"C:\\app\\Macro.dat", table);

  const std::string text = ReadBytes(host.ToHost(u"C:\\app\\Macro.dat"));
  const std::string first = "065000000000" + std::string(3 * 36, '0') + "000001000001065001030000";
  std::string second(3192, '0');
  second.replace(3189 - 3, 6, "052018");
  const std::string expected = "[Macros]\r\nmacroNum=2\r\n0=" + first + std::string(3192 - first.size(), '0') +
                               "\r\n1=" + second + "\r\n";
  EXPECT_EQ(text, expected);

  MacroTable loaded;
  LoadMacros(ctx, u"C:\\app\\Macro.dat", loaded);
  EXPECT_EQ(loaded.macroCount, 2);
  EXPECT_EQ(loaded.macros[0], table.macros[0]);
  EXPECT_EQ(loaded.macros[1], table.macros[1]);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MacroFileOnDisk, ShippedMacroFilesLoadAndSaveBackUnchanged) {
  for (const char* shipped : {"skins/Macro.dat", "skins/default/defMacro.dat"}) {
    SCOPED_TRACE(shipped);
    const std::filesystem::path source = std::filesystem::path(VARKEL_SOURCE_DIR) / shipped;
    ASSERT_TRUE(std::filesystem::exists(source));
    std::filesystem::copy_file(source, host.ToHost(u"C:\\app\\in.dat"),
                               std::filesystem::copy_options::overwrite_existing);
    MacroTable table;
    LoadMacros(ctx, u"C:\\app\\in.dat", table);
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_GT(table.macroCount, 0);
    SaveMacros(ini, u"C:\\app\\out.dat", table);
    for (int slot = 0; slot < table.macroCount; ++slot) {
      const std::u16string key = FormatDecimal(slot);
      EXPECT_EQ(ini.Read(u"C:\\app\\out.dat", u"Macros", key, 4000),
                ini.Read(u"C:\\app\\in.dat", u"Macros", key, 4000));
    }
  }
}

TEST_F(MacroFileOnDisk, MissingFileIsReported) {
  MacroTable table;
  LoadMacros(ctx, u"C:\\app\\none.dat", table);
  EXPECT_EQ(dialogs.messages, std::vector<std::u16string>{u"找不到配置文件"});
  EXPECT_EQ(table.macroCount, 0);
}

}  // namespace
}  // namespace varkel
