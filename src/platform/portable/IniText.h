#pragma once
// The lookups and edits the private-profile functions make on the decoded
// text of an ini file, as Windows makes them. Pure functions on text: file
// access and encodings are PortableIni's business.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varkel {

// A section or key name as the functions take it: surrounding spaces go,
// tabs stay.
std::u16string_view StripNameSpaces(std::u16string_view name);

// An edit of a text: `removed` characters at `offset` replaced by `inserted`.
struct IniEdit {
  std::size_t offset = 0;
  std::size_t removed = 0;
  std::u16string inserted;

  std::u16string AppliedTo(std::u16string_view text) const;
};

// A file's text cut into lines once, for any number of lookups and edits. It
// views the text, which must outlive it and stay unchanged.
class IniLines {
 public:
  explicit IniLines(std::u16string_view text);

  // The value of key in the first section named section (names compared
  // without case): trimmed of blanks and of one enclosing pair of matching
  // quotes. Nullopt when the section or the key is missing.
  std::optional<std::u16string> Find(std::u16string_view section, std::u16string_view key) const;

  // The edit that writes key=value into section: an existing key is
  // changed on its own line, a new key goes after the last entry of its
  // section, a new section at the end. Nullopt when the key already holds
  // exactly that value.
  std::optional<IniEdit> Write(std::u16string_view section, std::u16string_view key,
                               std::u16string_view value) const;

  enum class Kind { kBlank, kHeader, kComment, kEntry };
  struct Line {
    std::size_t begin = 0;      // first character of the line
    std::size_t end = 0;        // its terminator (or the end of the text)
    std::size_t next = 0;       // first character after the terminator
    Kind kind = Kind::kBlank;
    std::u16string_view name;   // section of a header, key of an entry
    bool hasValue = false;      // an entry with '='
    std::u16string_view value;  // trimmed, quotes still on
    std::size_t sectionEnd = 0; // a header's: the line after its section's last
  };

 private:
  std::u16string_view text_;
  std::vector<Line> lines_;
};

// IniLines(text).Find, and the text after IniLines(text).Write, for a single
// lookup or edit.
std::optional<std::u16string> FindIniValue(std::u16string_view text, std::u16string_view section,
                                           std::u16string_view key);
std::optional<std::u16string> WriteIniValue(std::u16string_view text, std::u16string_view section,
                                            std::u16string_view key, std::u16string_view value);

}  // namespace varkel
