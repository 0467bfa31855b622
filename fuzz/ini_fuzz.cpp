// Arbitrary file bytes through the ini layer: lookups and edits on the
// decoded text, then the file adapter itself (encodings, capacities), where
// a write must read back as written.
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "platform/portable/AnsiCodePage.h"
#include "platform/portable/IniText.h"

using namespace varkel;

namespace {

const char16_t* const kSections[] = {u"Config1", u"Init", u"", u" macros ", u"[x]"};
const char16_t* const kKeys[] = {u"K1", u"CurConfig", u"0", u"", u"a b"};

void CheckText(std::u16string_view text) {
  const IniLines lines(text);
  for (const char16_t* section : kSections) {
    for (const char16_t* key : kKeys) {
      // The parsed lines answer as a fresh parse of the text does.
      if (lines.Find(section, key) != FindIniValue(text, section, key)) std::abort();
    }
  }
  const auto edited = lines.Write(u"Config1", u"K1", u"42");
  const std::u16string after = edited ? edited->AppliedTo(text) : std::u16string(text);
  const auto value = FindIniValue(after, u"Config1", u"K1");
  if (!value || *value != u"42") std::abort();
}

void CheckFile(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFolder folder;
  PortableIni& ini = folder.ini;
  const std::u16string path = folder.Put(u"config.ini", data, size);
  for (std::size_t capacity : {0u, 1u, 5u, 3193u}) {
    const std::u16string value = ini.Read(path, u"Config1", u"K1", capacity, u"def ");
    if (capacity > 0 && value.size() > capacity - 1) std::abort();
    if (capacity == 0 && !value.empty()) std::abort();
  }
  ini.Write(path, u"Config1", u"K1", u"42");
  if (ini.Read(path, u"Config1", u"K1", 10) != u"42") std::abort();
  ini.Write(path, u"NewSection", u"Key", u"value");
  if (ini.Read(path, u"NewSection", u"Key", 10) != u"value") std::abort();
  if (ini.Read(path, u"Config1", u"K1", 10) != u"42") std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckText(DecodeAnsi(bytes));
  std::u16string units;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    units += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  }
  CheckText(units);
  CheckFile(data, size);
  return 0;
}
