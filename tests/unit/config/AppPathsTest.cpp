#include "config/AppPaths.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

// The folder is everything before the last backslash; the application's
// name is the file name after it without its extension.
TEST(AppPaths, FolderAndNameFromTheExecutablesPath) {
  struct Case {
    std::u16string exePath;
    std::u16string exeDir;
    std::u16string name;
  };
  const Case cases[] = {
      {u"C:\\Program Files\\Varkel\\Varkel游戏鼠.exe", u"C:\\Program Files\\Varkel", u"Varkel游戏鼠"},
      {u"C:\\Varkel\\Varkel游戏鼠-demo.exe", u"C:\\Varkel", u"Varkel游戏鼠-demo"},
      {u"C:\\x.exe", u"C:", u"x"},
      {u"x.exe", u"", u"x"},
      {u"C:\\my.games\\Varkel", u"C:\\my.games", u"Varkel"},
      {u"C:\\a\\v.1.2.exe", u"C:\\a", u"v.1.2"},
      {std::u16string(u"D:\\a\\b.exe\0\\junk.txt", 20), u"D:\\a", u"b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExeDirOf(c.exePath), c.exeDir);
    EXPECT_EQ(AppNameOf(c.exePath), c.name);
  }
}

TEST(AppPaths, FilesAreFormedFromTheFolder) {
  const AppPaths paths = MakeAppPaths(u"C:");
  EXPECT_EQ(paths.configPath, u"C:\\config.ini");
  EXPECT_EQ(paths.skinDir, u"C:\\skins");
  EXPECT_EQ(paths.macroPath, u"C:\\Macro.dat");
  EXPECT_EQ(paths.maskPath, u"C:\\skins\\main_mask.jpg");
}

}  // namespace
}  // namespace varkel
