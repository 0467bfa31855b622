#include "config/AppPaths.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

TEST(AppPaths, ExeDirIsCutAtTheLastBackslash) {
  struct Case {
    std::u16string exePath;
    std::u16string exeDir;
  };
  const Case cases[] = {
      {u"C:\\Program Files\\Varkel\\Varkel游戏鼠.exe", u"C:\\Program Files\\Varkel"},
      {u"C:\\x.exe", u"C:"},
      {u"x.exe", u""},
      {std::u16string(u"D:\\a\\b.exe\0\\junk", 16), u"D:\\a"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExeDirOf(c.exePath), c.exeDir);
}

TEST(AppPaths, AppNameIsTheFileNameWithoutItsExtension) {
  struct Case {
    std::u16string exePath;
    std::u16string name;
  };
  const Case cases[] = {
      {u"C:\\Program Files\\Varkel\\Varkel游戏鼠.exe", u"Varkel游戏鼠"},
      {u"C:\\Varkel\\Varkel游戏鼠-demo.exe", u"Varkel游戏鼠-demo"},
      {u"C:\\my.games\\Varkel", u"Varkel"},
      {u"C:\\a\\v.1.2.exe", u"v.1.2"},
      {u"x.exe", u"x"},
      {std::u16string(u"D:\\a\\b.exe\0\\junk.txt", 20), u"b"},
  };
  for (const auto& c : cases) EXPECT_EQ(AppNameOf(c.exePath), c.name);
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
