#pragma once
// Files and folders held in memory, at Windows paths mapped as HostPaths maps
// them (so "c:\a\..\b.ini" and "C:/b.ini" are one file, and names keep their
// case). As on a disk, a file can only be written into a folder that exists,
// and a folder is never replaced by a file. For tests and fuzzing: the
// adapters run their own code on it without touching the disk.
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "platform/portable/FileStore.h"

namespace varkel {

class MemoryFileStore final : public FileStore {
 public:
  FileBytes Read(std::u16string_view path) override;
  bool Write(std::u16string_view path, std::string_view bytes) override;
  PathState State(std::u16string_view path) override;

  // Makes the folder and every folder above it.
  void AddFolder(std::u16string_view path);
  // Drops the file at the path, if there is one.
  void Remove(std::u16string_view path);

 private:
  // The key of the path asked last: the program reads a file key after key.
  const std::u16string& KeyOf(std::u16string_view path);  // under lock_

  std::mutex lock_;
  std::u16string lastPath_;
  std::u16string lastKey_;
  // By RelativeHostPath; the root ("") is a folder without an entry.
  std::unordered_map<std::u16string, FileBytes> files_;
  std::unordered_set<std::u16string> folders_;
};

}  // namespace varkel
