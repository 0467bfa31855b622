#include "platform/portable/PortableIni.h"

#include <optional>

#include "platform/portable/AnsiCodePage.h"
#include "platform/portable/IniText.h"

namespace varkel {
namespace {

constexpr char kBom[] = {'\xFF', '\xFE'};

// Files of more paths than this make the parse cache start over.
constexpr std::size_t kParsedFiles = 16;

struct IniFileText {
  bool utf16 = false;
  std::u16string text;
  std::string oddByte;  // a UTF-16 file's dangling last byte, kept as it was
};

IniFileText Decode(std::string_view bytes) {
  IniFileText file;
  if (bytes.size() < 2 || bytes[0] != kBom[0] || bytes[1] != kBom[1]) {
    file.text = DecodeAnsi(bytes);
    return file;
  }
  file.utf16 = true;
  bytes.remove_prefix(2);
  file.text.resize(bytes.size() / 2);
  const char* in = bytes.data();
  for (char16_t& c : file.text) {
    c = static_cast<char16_t>(static_cast<unsigned char>(in[0]) |
                              static_cast<unsigned char>(in[1]) << 8);
    in += 2;
  }
  if (bytes.size() % 2 != 0) file.oddByte.assign(1, bytes.back());
  return file;
}

// Text in the file's encoding, without the byte-order mark.
std::string EncodeText(bool utf16, std::u16string_view text) {
  if (!utf16) return EncodeAnsi(text);
  std::string bytes(2 * text.size(), '\0');
  char* out = bytes.data();
  for (const char16_t c : text) {
    *out++ = static_cast<char>(c & 0xFF);
    *out++ = static_cast<char>(c >> 8);
  }
  return bytes;
}

// The file's bytes with the edit made. Every character decoded from the file
// encodes back to its own bytes, so only the inserted text is encoded; the
// rest, a UTF-16 file's odd last byte included, is copied.
std::string EditedBytes(std::string_view bytes, bool utf16, const IniEdit& edit) {
  const std::size_t head = utf16 ? sizeof kBom : 0;
  const std::size_t unit = utf16 ? 2 : 1;
  std::string result(bytes.substr(0, head + unit * edit.offset));
  result += EncodeText(utf16, edit.inserted);
  result += bytes.substr(head + unit * (edit.offset + edit.removed));
  return result;
}

// The functions take C strings: text ends at a NUL.
std::u16string_view UpToNul(std::u16string_view text) { return text.substr(0, text.find(u'\0')); }

std::u16string_view WithoutTrailingSpaces(std::u16string_view text) {
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  return text;
}

}  // namespace

struct PortableIni::ParsedFile {
  explicit ParsedFile(FileBytes read) : ParsedFile(read, Decode(*read)) {}
  ParsedFile(FileBytes read, IniFileText decoded)
      : bytes(std::move(read)), file(std::move(decoded)), lines(file.text) {}
  ParsedFile(const ParsedFile&) = delete;  // lines view file.text
  ParsedFile& operator=(const ParsedFile&) = delete;

  FileBytes bytes;
  IniFileText file;
  IniLines lines;
};

PortableIni::PortableIni(const HostPaths& paths) : store_(paths) {}
PortableIni::PortableIni(FileStore& store) : store_(store) {}
PortableIni::~PortableIni() = default;

const PortableIni::ParsedFile& PortableIni::Parsed(std::u16string_view path, FileBytes bytes) {
  const auto found = parsed_.find(path);
  if (found != parsed_.end() &&
      (found->second->bytes == bytes || *found->second->bytes == *bytes)) {
    return *found->second;
  }
  return Remember(path, std::make_unique<ParsedFile>(std::move(bytes)));
}

const PortableIni::ParsedFile& PortableIni::Remember(std::u16string_view path,
                                                     std::unique_ptr<ParsedFile> parsed) {
  auto found = parsed_.find(path);
  if (found == parsed_.end()) {
    if (parsed_.size() >= kParsedFiles) parsed_.clear();
    found = parsed_.emplace(std::u16string(path), nullptr).first;
  }
  found->second = std::move(parsed);
  return *found->second;
}

std::u16string PortableIni::Read(std::u16string_view path, std::u16string_view section,
                                 std::u16string_view key, std::size_t capacity,
                                 std::u16string_view def) {
  if (capacity == 0) return {};
  std::optional<std::u16string> value;
  {
    std::lock_guard guard(lock_);
    if (FileBytes bytes = store_->Read(path)) {
      value = Parsed(path, std::move(bytes)).lines.Find(UpToNul(section), UpToNul(key));
    }
  }
  std::u16string result =
      value ? std::move(*value) : std::u16string(WithoutTrailingSpaces(UpToNul(def)));
  if (result.size() > capacity - 1) result.resize(capacity - 1);
  return result;
}

// A missing folder or a read-only file makes the write fail, silently.
void PortableIni::Write(std::u16string_view path, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value) {
  std::lock_guard guard(lock_);
  FileBytes bytes = store_->Read(path);
  if (!bytes) {
    // Something there that cannot be read: never overwrite it.
    if (store_->State(path) != PathState::kMissing) return;
    bytes = std::make_shared<const std::string>();
  }
  const ParsedFile& parsed = Parsed(path, std::move(bytes));
  section = UpToNul(section);
  key = UpToNul(key);
  value = UpToNul(value);
  // A file holding only its byte-order mark gets a line break after it
  // before the first section, as Windows writes it.
  const bool bomOnly = parsed.file.utf16 && parsed.file.text.empty();
  const auto edit = bomOnly ? IniEdit{0, 0, *WriteIniValue(u"\r\n", section, key, value)}
                            : parsed.lines.Write(section, key, value);
  if (!edit) return;
  auto written = std::make_shared<const std::string>(
      EditedBytes(*parsed.bytes, parsed.file.utf16, *edit));
  if (!store_->Write(path, *written)) return;
  // The next call finds these bytes and need not decode them again when they
  // decode to the edited text, which only inserted text the code page cannot
  // hold prevents.
  if (parsed.file.utf16 || AnsiHolds(edit->inserted)) {
    IniFileText edited{parsed.file.utf16, edit->AppliedTo(parsed.file.text), parsed.file.oddByte};
    Remember(path, std::make_unique<ParsedFile>(std::move(written), std::move(edited)));
  }
}

}  // namespace varkel
