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

#include <map>

#include "platform/Files.h"
#include "platform/Ini.h"
#include "platform/portable/AnsiCodePage.h"
#include "platform/portable/IniText.h"

namespace varkel::fuzz {

// File bytes as the ini adapter decodes them: UTF-16LE after FF FE, else ANSI.
inline std::u16string DecodeIniBytes(const std::uint8_t* data, std::size_t size) {
  if (size < 2 || data[0] != 0xFF || data[1] != 0xFE) {
    return DecodeAnsi(std::string_view(reinterpret_cast<const char*>(data), size));
  }
  std::u16string text;
  for (std::size_t i = 2; i + 1 < size; i += 2) {
    text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  }
  return text;
}

// Ini files held as decoded text, looked up and edited with the same text
// rules as the file adapter, without touching the disk: the readers' fuzz
// targets run many times faster so.
class TextIni final : public IniFiles, public Files {
 public:
  void Put(const std::u16string& path, std::u16string text) { files_[path] = std::move(text); }

  std::u16string Read(std::u16string_view path, std::u16string_view section,
                      std::u16string_view key, std::size_t capacity,
                      std::u16string_view def) override {
    if (capacity == 0) return {};
    std::optional<std::u16string> value;
    if (const auto it = files_.find(std::u16string(path)); it != files_.end()) {
      value = FindIniValue(it->second, section, key);
    }
    std::u16string result = value ? *value : std::u16string(def);
    if (result.size() > capacity - 1) result.resize(capacity - 1);
    return result;
  }
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    std::u16string& text = files_[std::u16string(path)];
    if (auto edited = WriteIniValue(text, section, key, value)) text = std::move(*edited);
  }
  bool Exists(std::u16string_view path) override {
    return files_.count(std::u16string(path)) != 0;
  }

 private:
  std::map<std::u16string, std::u16string> files_;
};

}  // namespace varkel::fuzz
