#pragma once
// A scratch program folder for fuzz targets that read files through the
// portable adapters: the fuzzer's bytes become a file at a Windows path.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/portable/HostPaths.h"

namespace varkel::fuzz {

class ScratchFolder {
 public:
  ScratchFolder() : root_(MakeRoot()), paths_(root_) {
    std::filesystem::create_directories(root_ / "C" / "p");
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  const HostPaths& Paths() const { return paths_; }

  // Puts the bytes at "C:\p\<name>" and returns that Windows path.
  std::u16string Put(const std::u16string& name, const std::uint8_t* data, std::size_t size) {
    const std::u16string path = u"C:\\p\\" + name;
    std::ofstream out(paths_.ToHost(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
  }

 private:
  // Memory-backed when there is such a folder: the ini adapter rewrites a
  // file on every write, which costs milliseconds on a disk.
  static std::filesystem::path TemporaryBase() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
  }
  static std::filesystem::path MakeRoot() {
    std::string pattern = (TemporaryBase() / "varkel-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }

  std::filesystem::path root_;
  HostPaths paths_;
};

}  // namespace varkel::fuzz
