// The conformance table against the Windows functions, here under Wine:
// where Wine is known to differ from Windows the table gives Wine's result.
#include "platform/win32/Win32Ini.h"

#include <gtest/gtest.h>

#include "ini/IniConformance.h"
#include "platform/win32/Win32Files.h"
#include "unit/ini/TempFolder.h"

namespace varkel::win32 {
namespace {

std::u16string WindowsPath(const std::filesystem::path& path) {
  const std::wstring wide = path.wstring();
  return std::u16string(wide.begin(), wide.end());
}

TEST(Win32IniConformance, EveryCaseBehavesAsUnderWine) {
  TempFolder folder;
  Win32Ini ini;
  const std::filesystem::path host = folder.Path() / "case.ini";
  for (const auto& c : ini_conformance::Cases()) {
    for (const auto& fault : ini_conformance::RunCase(c, ini, WindowsPath(host), host, true)) {
      ADD_FAILURE() << c.name << ": " << fault;
    }
  }
}

TEST(Win32Ini, WritingIntoAMissingFolderCreatesNothing) {
  TempFolder folder;
  Win32Ini ini;
  const std::u16string file = WindowsPath(folder.Path() / "missing" / "config.ini");
  ini.Write(file, u"S", u"k", u"1");
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
  EXPECT_EQ(ini.Read(file, u"S", u"k", 5, u"d"), u"d");
}

TEST(Win32Files, ExistsForFilesAndFolders) {
  TempFolder folder;
  Win32Files files;
  std::filesystem::create_directories(folder.Path() / "skins");
  EXPECT_TRUE(files.Exists(WindowsPath(folder.Path() / "skins")));
  EXPECT_FALSE(files.Exists(WindowsPath(folder.Path() / "Macro.dat")));
}

}  // namespace
}  // namespace varkel::win32
