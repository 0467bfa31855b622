// The memory store answers as the disk does under HostPaths: one file for
// every spelling of its path, writes only into folders that exist.
#include "platform/portable/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

TEST(MemoryFileStore, WritesLandOnlyInFoldersThatExist) {
  struct Case {
    std::u16string_view path;
    bool written;
  };
  const Case cases[] = {
      {u"C:\\p\\a.ini", true},
      {u"c:/p/./x/../b.ini", true},  // C:\p\b.ini
      {u"C:\\q\\a.ini", false},      // no such folder
      {u"C:\\p\\sub", false},        // a folder is never replaced
      {u"C:\\p", false},
      {u"", false},                  // the root
      {u"top.ini", true},            // files at the root need no folder
      {u"C:\\p\\a.ini\\x.ini", false},  // a file is no folder
  };
  MemoryFileStore store;
  store.AddFolder(u"C:\\p\\sub");
  for (const auto& c : cases) {
    const std::u16string path(c.path);
    const std::string bytes(path.begin(), path.end());
    EXPECT_EQ(store.Write(c.path, bytes), c.written) << bytes;
    const FileBytes read = store.Read(c.path);
    EXPECT_EQ(read != nullptr && *read == bytes, c.written) << bytes;
  }
  EXPECT_EQ(*store.Read(u"C:\\p\\b.ini"), "c:/p/./x/../b.ini");
  EXPECT_EQ(store.State(u"C:\\p\\sub\\..\\b.ini"), PathState::kPresent);
  EXPECT_EQ(store.State(u"C:\\p\\c.ini"), PathState::kMissing);
  EXPECT_EQ(store.State(u"c:\\P"), PathState::kMissing);  // names keep their case, as on the host
}

TEST(MemoryFileStore, RemovedFilesAreGoneAndFoldersStay) {
  MemoryFileStore store;
  store.AddFolder(u"C:\\p");
  ASSERT_TRUE(store.Write(u"C:\\p\\a.ini", "x"));
  store.Remove(u"C:\\p\\a.ini");
  EXPECT_EQ(store.Read(u"C:\\p\\a.ini"), nullptr);
  EXPECT_EQ(store.State(u"C:\\p\\a.ini"), PathState::kMissing);
  store.Remove(u"C:\\p");
  EXPECT_EQ(store.State(u"C:\\p"), PathState::kPresent);
}

}  // namespace
}  // namespace varkel
