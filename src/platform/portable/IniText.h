#pragma once
// The lookups and edits the private-profile functions make on the decoded
// text of an ini file, as Windows makes them. Pure functions on text: file
// access and encodings are PortableIni's business.
#include <optional>
#include <string>
#include <string_view>

namespace varkel {

// A section or key name as the functions take it: surrounding spaces go,
// tabs stay.
std::u16string_view StripNameSpaces(std::u16string_view name);

// The value of key in the first section named section (names compared
// without case): trimmed of blanks and of one enclosing pair of matching
// quotes. Nullopt when the section or the key is missing.
std::optional<std::u16string> FindIniValue(std::u16string_view text, std::u16string_view section,
                                           std::u16string_view key);

// The text after writing key=value into section: an existing key is changed
// on its own line, a new key goes after the last entry of its section, a new
// section at the end. Nullopt when the key already holds exactly that value.
std::optional<std::u16string> WriteIniValue(std::u16string_view text, std::u16string_view section,
                                            std::u16string_view key, std::u16string_view value);

}  // namespace varkel
