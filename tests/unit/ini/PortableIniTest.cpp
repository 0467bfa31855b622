// What the portable adapter does around the file itself; the behaviour of
// reads and writes is in the conformance table.
#include "platform/portable/PortableIni.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <thread>

#include "platform/portable/PortableFiles.h"
#include "unit/ini/TempFolder.h"

namespace varkel {
namespace {

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Store(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class PortableIniTest : public testing::Test {
 protected:
  TempFolder folder;
  HostPaths paths{folder.Path()};
  PortableIni ini{paths};
  std::filesystem::path Host(std::u16string_view path) { return paths.ToHost(path); }
};

TEST_F(PortableIniTest, WritingIntoAMissingFolderCreatesNothing) {
  ini.Write(u"C:\\missing\\config.ini", u"S", u"k", u"1");
  EXPECT_FALSE(std::filesystem::exists(Host(u"C:\\missing")));
  EXPECT_EQ(ini.Read(u"C:\\missing\\config.ini", u"S", u"k", 5, u"d"), u"d");
}

TEST_F(PortableIniTest, AFolderAtThePathIsNeitherReadNorReplaced) {
  std::filesystem::create_directories(Host(u"C:\\config.ini"));
  EXPECT_EQ(ini.Read(u"C:\\config.ini", u"S", u"k", 5, u"d"), u"d");
  ini.Write(u"C:\\config.ini", u"S", u"k", u"1");
  EXPECT_TRUE(std::filesystem::is_directory(Host(u"C:\\config.ini")));
}

TEST_F(PortableIniTest, AUtf16FileKeepsADanglingLastByte) {
  std::filesystem::create_directories(Host(u"C:"));
  Store(Host(u"C:\\u.ini"), std::string("\xFF\xFE[\0S\0]\0\r\0\n\0\x41", 13));
  ini.Write(u"C:\\u.ini", u"S", u"k", u"1");
  EXPECT_EQ(Contents(Host(u"C:\\u.ini")),
            std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0" "1\0\r\0\n\0\x41", 23));
}

std::u16string NumberedKey(int i) {
  std::u16string key = u"K";
  key += static_cast<char16_t>(u'0' + i / 10);
  key += static_cast<char16_t>(u'0' + i % 10);
  return key;
}

TEST_F(PortableIniTest, NamesAndValuesEndAtANul) {
  std::filesystem::create_directories(Host(u"C:"));
  const std::u16string section(u"S\0junk", 6);
  ini.Write(u"C:\\n.ini", section, std::u16string(u"k\0x", 3), std::u16string(u"12\0 34", 6));
  EXPECT_EQ(Contents(Host(u"C:\\n.ini")), "[S]\r\nk=12\r\n");
  EXPECT_EQ(ini.Read(u"C:\\n.ini", section, u"k", 9), u"12");
  EXPECT_EQ(ini.Read(u"C:\\n.ini", u"S", u"none", 9, std::u16string(u"d\0x", 3)), u"d");
}

TEST_F(PortableIniTest, WritesFromTwoThreadsAllLand) {
  std::filesystem::create_directories(Host(u"C:"));
  const auto writer = [this](std::u16string section) {
    for (int i = 0; i < 50; ++i) ini.Write(u"C:\\config.ini", section, NumberedKey(i), u"1");
  };
  std::thread first(writer, u"Config1");
  std::thread second(writer, u"Config6");
  first.join();
  second.join();
  for (const auto* section : {u"Config1", u"Config6"}) {
    for (int i = 0; i < 50; ++i) {
      EXPECT_EQ(ini.Read(u"C:\\config.ini", section, NumberedKey(i), 5), u"1") << i;
    }
  }
}

TEST_F(PortableIniTest, FilesExistsForFilesAndFolders) {
  PortableFiles files(paths);
  std::filesystem::create_directories(Host(u"C:\\skins"));
  Store(Host(u"C:\\Macro.dat"), "");
  EXPECT_TRUE(files.Exists(u"C:\\Macro.dat"));
  EXPECT_TRUE(files.Exists(u"c:\\skins"));
  EXPECT_FALSE(files.Exists(u"C:\\config.ini"));
  EXPECT_FALSE(files.Exists(u"C:\\skins\\missing\\x.ini"));
}

}  // namespace
}  // namespace varkel
