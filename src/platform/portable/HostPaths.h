#pragma once
// Where the program's Windows paths live on the host's file system, for the
// portable file adapters. Everything lands under one root folder:
//   "C:\a\b.ini"  ->  root/C/a/b.ini   (drive letter as a folder, upper case)
//   "a\b.ini", "\a\b.ini", "\\srv\a"  ->  root/a/b.ini, root/a/b.ini, root/srv/a
// '\' and '/' both separate; "." and empty components are dropped; ".." goes
// up one component but never above the drive folder (or the root). The path
// is taken up to its first NUL, as the Windows calls take it.
#include <filesystem>
#include <string>
#include <string_view>

namespace varkel {

// Where a Windows path lands below the root, its parts joined with '/':
// "c:\a\..\b.ini" -> "C/b.ini". Empty for the root itself.
std::u16string RelativeHostPath(std::u16string_view windowsPath);

class HostPaths {
 public:
  explicit HostPaths(std::filesystem::path root) : root_(std::move(root)) {}

  std::filesystem::path ToHost(std::u16string_view windowsPath) const;
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

}  // namespace varkel
