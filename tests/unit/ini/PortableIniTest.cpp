// What the portable adapter does around the file itself, on the disk and in
// a memory store alike; the behaviour of reads and writes is in the
// conformance table.
#include "platform/portable/PortableIni.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

#include "platform/portable/MemoryFileStore.h"
#include "platform/portable/PortableFiles.h"
#include "unit/ini/TempFolder.h"

namespace varkel {
namespace {

// Files under a temporary folder, reached by the test directly.
class OnDisk {
  TempFolder folder_;
  HostPaths paths_{folder_.Path()};

 public:
  PortableIni ini{paths_};
  PortableFiles files{paths_};

  void AddFolder(std::u16string_view path) { std::filesystem::create_directories(Host(path)); }
  void Put(std::u16string_view path, std::string_view bytes) {
    std::ofstream(Host(path), std::ios::binary) << bytes;
  }
  std::optional<std::string> Contents(std::u16string_view path) {
    if (!std::filesystem::is_regular_file(Host(path))) return std::nullopt;
    std::ifstream in(Host(path), std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path Host(std::u16string_view path) { return paths_.ToHost(path); }
};

class InMemory {
  MemoryFileStore store_;

 public:
  PortableIni ini{store_};
  PortableFiles files{store_};

  void AddFolder(std::u16string_view path) { store_.AddFolder(path); }
  void Put(std::u16string_view path, std::string_view bytes) { ASSERT_TRUE(store_.Write(path, bytes)); }
  std::optional<std::string> Contents(std::u16string_view path) {
    const FileBytes bytes = store_.Read(path);
    if (!bytes) return std::nullopt;
    return *bytes;
  }
};

template <typename Place>
class PortableIniTest : public testing::Test {
 protected:
  Place place;
  PortableIni& ini = place.ini;
};

using Places = testing::Types<OnDisk, InMemory>;
TYPED_TEST_SUITE(PortableIniTest, Places);

TYPED_TEST(PortableIniTest, WritingIntoAMissingFolderCreatesNothing) {
  this->place.AddFolder(u"C:");
  this->ini.Write(u"C:\\missing\\config.ini", u"S", u"k", u"1");
  EXPECT_FALSE(this->place.files.Exists(u"C:\\missing"));
  EXPECT_EQ(this->ini.Read(u"C:\\missing\\config.ini", u"S", u"k", 5, u"d"), u"d");
}

TYPED_TEST(PortableIniTest, AFolderAtThePathIsNeitherReadNorReplaced) {
  this->place.AddFolder(u"C:\\config.ini");
  EXPECT_EQ(this->ini.Read(u"C:\\config.ini", u"S", u"k", 5, u"d"), u"d");
  this->ini.Write(u"C:\\config.ini", u"S", u"k", u"1");
  EXPECT_TRUE(this->place.files.Exists(u"C:\\config.ini"));
  EXPECT_EQ(this->place.Contents(u"C:\\config.ini"), std::nullopt);
}

TYPED_TEST(PortableIniTest, AUtf16FileKeepsADanglingLastByte) {
  this->place.AddFolder(u"C:");
  this->place.Put(u"C:\\u.ini", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0\x41", 13));
  this->ini.Write(u"C:\\u.ini", u"S", u"k", u"1");
  EXPECT_EQ(this->place.Contents(u"C:\\u.ini"),
            std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0" "1\0\r\0\n\0\x41", 23));
}

std::u16string NumberedKey(int i) {
  std::u16string key = u"K";
  key += static_cast<char16_t>(u'0' + i / 10);
  key += static_cast<char16_t>(u'0' + i % 10);
  return key;
}

TYPED_TEST(PortableIniTest, NamesAndValuesEndAtANul) {
  this->place.AddFolder(u"C:");
  const std::u16string section(u"S\0junk", 6);
  this->ini.Write(u"C:\\n.ini", section, std::u16string(u"k\0x", 3), std::u16string(u"12\0 34", 6));
  EXPECT_EQ(this->place.Contents(u"C:\\n.ini"), "[S]\r\nk=12\r\n");
  EXPECT_EQ(this->ini.Read(u"C:\\n.ini", section, u"k", 9), u"12");
  EXPECT_EQ(this->ini.Read(u"C:\\n.ini", u"S", u"none", 9, std::u16string(u"d\0x", 3)), u"d");
}

TYPED_TEST(PortableIniTest, WritesFromTwoThreadsAllLand) {
  this->place.AddFolder(u"C:");
  const auto writer = [this](std::u16string section) {
    for (int i = 0; i < 50; ++i) this->ini.Write(u"C:\\config.ini", section, NumberedKey(i), u"1");
  };
  std::thread first(writer, u"Config1");
  std::thread second(writer, u"Config6");
  first.join();
  second.join();
  for (const auto* section : {u"Config1", u"Config6"}) {
    for (int i = 0; i < 50; ++i) {
      EXPECT_EQ(this->ini.Read(u"C:\\config.ini", section, NumberedKey(i), 5), u"1") << i;
    }
  }
}

// The adapter keeps what it parsed of each file; a file changed behind its
// back (to bytes of the same length, among more files than it keeps) must
// still be read as it is now.
TYPED_TEST(PortableIniTest, AFileChangedBehindItsBackIsReadAsItIsNow) {
  this->place.AddFolder(u"C:");
  std::vector<std::u16string> paths;
  for (int i = 0; i < 40; ++i) paths.push_back(u"C:\\" + NumberedKey(i) + u".ini");
  for (const auto& path : paths) {
    for (const char value : {'1', '2'}) {
      this->place.Put(path, std::string("[S]\r\nk=") + value + "\r\n");
      EXPECT_EQ(this->ini.Read(path, u"S", u"k", 5), std::u16string(1, value));
    }
  }
  for (const auto& path : paths) EXPECT_EQ(this->ini.Read(path, u"S", u"k", 5), u"2");
}

TYPED_TEST(PortableIniTest, FilesExistsForFilesAndFolders) {
  this->place.AddFolder(u"C:\\skins");
  this->place.Put(u"C:\\Macro.dat", "");
  EXPECT_TRUE(this->place.files.Exists(u"C:\\Macro.dat"));
  EXPECT_TRUE(this->place.files.Exists(u"c:\\skins"));
  EXPECT_FALSE(this->place.files.Exists(u"C:\\config.ini"));
  EXPECT_FALSE(this->place.files.Exists(u"C:\\skins\\missing\\x.ini"));
}

}  // namespace
}  // namespace varkel
