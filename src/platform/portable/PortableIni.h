#pragma once
// IniFiles on the host's file system (or in a store), behaving as the Windows
// private-profile functions do: a file starting with FF FE is UTF-16LE and
// stays so, any other file is ANSI (Windows-1252 here), new files are ANSI.
// Each call reads the whole file and, when it changes, writes it back whole;
// calls are serialised, as the system serialises profile access.
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <unordered_map>

#include "platform/Ini.h"
#include "platform/portable/DiskFileStore.h"

namespace varkel {

class PortableIni : public IniFiles {
 public:
  explicit PortableIni(const HostPaths& paths);
  explicit PortableIni(FileStore& store);
  ~PortableIni() override;

  std::u16string Read(std::u16string_view path, std::u16string_view section,
                      std::u16string_view key, std::size_t capacity,
                      std::u16string_view def = u"") override;
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override;

 private:
  struct ParsedFile;
  const ParsedFile& Parsed(std::u16string_view path, FileBytes bytes);
  const ParsedFile& Remember(std::u16string_view path, std::unique_ptr<ParsedFile> parsed);

  AdapterStore store_;
  std::mutex lock_;
  // The last bytes read of each file, decoded and cut into lines: a file
  // read key after key, unchanged, is parsed once.
  struct PathHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view path) const {
      return std::hash<std::u16string_view>{}(path);
    }
  };
  std::unordered_map<std::u16string, std::unique_ptr<ParsedFile>, PathHash, std::equal_to<>>
      parsed_;
};

}  // namespace varkel
