#include "platform/portable/PortableIni.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "platform/portable/AnsiCodePage.h"
#include "platform/portable/IniText.h"

namespace varkel {
namespace {

constexpr char kBom[] = {'\xFF', '\xFE'};

struct IniFileText {
  bool utf16 = false;
  std::u16string text;
  std::string oddByte;  // a UTF-16 file's dangling last byte, kept as it was
};

std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

IniFileText Decode(std::string_view bytes) {
  IniFileText file;
  if (bytes.size() < 2 || bytes[0] != kBom[0] || bytes[1] != kBom[1]) {
    file.text = DecodeAnsi(bytes);
    return file;
  }
  file.utf16 = true;
  bytes.remove_prefix(2);
  file.text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    file.text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  if (bytes.size() % 2 != 0) file.oddByte.assign(1, bytes.back());
  return file;
}

std::string Encode(const IniFileText& file) {
  if (!file.utf16) return EncodeAnsi(file.text);
  std::string bytes(kBom, sizeof kBom);
  bytes.reserve(2 + 2 * file.text.size() + 1);
  for (const char16_t c : file.text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes + file.oddByte;
}

// A missing folder or a read-only file makes the write fail, silently.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The functions take C strings: text ends at a NUL.
std::u16string_view UpToNul(std::u16string_view text) { return text.substr(0, text.find(u'\0')); }

std::u16string_view WithoutTrailingSpaces(std::u16string_view text) {
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::u16string PortableIni::Read(std::u16string_view path, std::u16string_view section,
                                 std::u16string_view key, std::size_t capacity,
                                 std::u16string_view def) {
  if (capacity == 0) return {};
  std::optional<std::u16string> value;
  {
    std::lock_guard guard(lock_);
    if (const auto bytes = ReadBytes(paths_.ToHost(path))) {
      value = FindIniValue(Decode(*bytes).text, UpToNul(section), UpToNul(key));
    }
  }
  std::u16string result =
      value ? std::move(*value) : std::u16string(WithoutTrailingSpaces(UpToNul(def)));
  if (result.size() > capacity - 1) result.resize(capacity - 1);
  return result;
}

void PortableIni::Write(std::u16string_view path, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value) {
  std::lock_guard guard(lock_);
  const std::filesystem::path host = paths_.ToHost(path);
  IniFileText file;
  if (const auto bytes = ReadBytes(host)) {
    file = Decode(*bytes);
  } else if (std::error_code error; std::filesystem::exists(host, error) || error) {
    return;  // something there that cannot be read: never overwrite it
  }
  // A file holding only its byte-order mark gets a line break after it
  // before the first section, as Windows writes it.
  if (file.utf16 && file.text.empty()) file.text = u"\r\n";
  auto text = WriteIniValue(file.text, UpToNul(section), UpToNul(key), UpToNul(value));
  if (!text) return;
  file.text = std::move(*text);
  WriteBytes(host, Encode(file));
}

}  // namespace varkel
