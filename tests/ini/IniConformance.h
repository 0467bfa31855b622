#pragma once
// The ini conformance table and the code that runs it against any IniFiles:
// PortableIni natively, Win32Ini under Wine, and varkel-ini in both builds.
// A case gives a file's bytes, a sequence of reads and writes, and the bytes
// the file ends with; Wine's results are given where Wine is not Windows.
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Ini.h"
#include "platform/portable/Utf8Text.h"

namespace varkel::ini_conformance {

enum class Encoding { kNoFile, kAnsi, kUtf16 };

// kAnsi text holds one character per byte (0..255); kUtf16 text is written
// after an FF FE byte-order mark.
struct FileBytes {
  Encoding encoding = Encoding::kNoFile;
  std::u16string_view text;
};

inline FileBytes NoFile() { return {Encoding::kNoFile, {}}; }
inline FileBytes Ansi(std::u16string_view bytes) { return {Encoding::kAnsi, bytes}; }
inline FileBytes Utf16(std::u16string_view text) { return {Encoding::kUtf16, text}; }

struct Op {
  bool write = false;
  std::u16string_view section;
  std::u16string_view key;
  std::u16string_view value;  // written value, or the default of a read
  std::size_t capacity = 0;
  std::u16string_view expected;  // read result on Windows
  std::optional<std::u16string_view> wineExpected;
};

inline Op Get(std::u16string_view section, std::u16string_view key, std::size_t capacity,
              std::u16string_view def, std::u16string_view expected,
              std::optional<std::u16string_view> wineExpected = std::nullopt) {
  return {false, section, key, def, capacity, expected, wineExpected};
}
inline Op Set(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  return {true, section, key, value, 0, {}, std::nullopt};
}

struct Case {
  std::string_view name;
  FileBytes before;
  std::vector<Op> ops;
  std::optional<FileBytes> after;  // none: the file is left as it was
  std::optional<FileBytes> wineAfter;
};

inline const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
#include "ini/conformance_cases.inc"
  };
  return cases;
}

inline std::string ToBytes(const FileBytes& file) {
  std::string bytes;
  if (file.encoding == Encoding::kUtf16) bytes = "\xFF\xFE";
  for (const char16_t c : file.text) {
    bytes += static_cast<char>(c & 0xFF);
    if (file.encoding == Encoding::kUtf16) bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

inline std::string Utf8(std::u16string_view text) { return ToUtf8(text); }

inline std::string Printable(std::string_view bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out += b;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

// The case's file as this process reaches it, beside the ini under test:
// on the host's disk, or in a store the ini works on.
struct CaseFile {
  std::function<void(const std::string&)> put;
  std::function<std::optional<std::string>()> get;  // nothing when there is no file
  std::function<void()> remove;
};

inline CaseFile HostFile(const std::filesystem::path& hostFile) {
  return {[hostFile](const std::string& bytes) {
            std::ofstream(hostFile, std::ios::binary) << bytes;
          },
          [hostFile]() -> std::optional<std::string> {
            std::ifstream in{hostFile, std::ios::binary};
            if (!in) return std::nullopt;
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
          },
          [hostFile] {
            std::error_code error;
            std::filesystem::remove(hostFile, error);
          }};
}

// Runs one case: filePath is where the ini under test finds the file, file
// the same file as this process reaches it. Returns what went wrong, one line
// a fault; empty when the case passes.
inline std::vector<std::string> RunCase(const Case& c, IniFiles& ini, std::u16string_view filePath,
                                        const CaseFile& file, bool wine) {
  std::vector<std::string> faults;
  file.remove();
  if (c.before.encoding != Encoding::kNoFile) file.put(ToBytes(c.before));
  for (std::size_t i = 0; i < c.ops.size(); ++i) {
    const Op& op = c.ops[i];
    if (op.write) {
      ini.Write(filePath, op.section, op.key, op.value);
      continue;
    }
    const std::u16string_view expected = wine && op.wineExpected ? *op.wineExpected : op.expected;
    const std::u16string got = ini.Read(filePath, op.section, op.key, op.capacity, op.value);
    if (got != expected) {
      faults.push_back("op " + std::to_string(i + 1) + " read [" + Utf8(op.section) + "] " +
                       Utf8(op.key) + ": got \"" + Utf8(got) + "\", want \"" + Utf8(expected) +
                       "\"");
    }
  }
  const FileBytes& after = wine && c.wineAfter ? *c.wineAfter : c.after.value_or(c.before);
  const std::string got = file.get().value_or("(no file)");
  const std::string want = after.encoding == Encoding::kNoFile ? "(no file)" : ToBytes(after);
  if (got != want) {
    faults.push_back("file: got \"" + Printable(got) + "\", want \"" + Printable(want) + "\"");
  }
  file.remove();
  return faults;
}

inline std::vector<std::string> RunCase(const Case& c, IniFiles& ini, std::u16string_view filePath,
                                        const std::filesystem::path& hostFile, bool wine) {
  return RunCase(c, ini, filePath, HostFile(hostFile), wine);
}

}  // namespace varkel::ini_conformance
