#pragma once
// The program's folder in memory, for fuzz targets that read files: the
// fuzzer's bytes become files at Windows paths, and the program reads them
// through the same portable adapters (ini, files, images) it uses on a disk.
// Only the bytes' home differs: a memory store instead of the host's disk.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/portable/MemoryFileStore.h"
#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableImages.h"
#include "platform/portable/PortableIni.h"

namespace varkel::fuzz {

class MemoryFolder {
 public:
  static constexpr std::u16string_view kPath = u"C:\\p";

  MemoryFolder() { store.AddFolder(kPath); }

  // Puts the bytes at "C:\p\<name>" (subfolders made as needed) and returns
  // that Windows path.
  std::u16string Put(std::u16string_view name, const std::uint8_t* data, std::size_t size) {
    std::u16string path(kPath);
    path += u'\\';
    path += name;
    if (const auto slash = path.rfind(u'\\'); slash > kPath.size()) store.AddFolder(path.substr(0, slash));
    store.Write(path, std::string_view(reinterpret_cast<const char*>(data), size));
    return path;
  }

  MemoryFileStore store;
  PortableIni ini{store};
  PortableFiles files{store};
  PortableImages images{store};
};

}  // namespace varkel::fuzz
