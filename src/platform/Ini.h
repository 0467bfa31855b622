#pragma once
// Key-by-key access to Windows initialisation files, as the private-profile
// functions give it. Paths are Windows paths formed by the program.
#include <cstddef>
#include <string>
#include <string_view>

namespace varkel {

class IniFiles {
 public:
  virtual ~IniFiles() = default;

  // At most capacity - 1 characters of the stored value; def (cut the same
  // way) when the file, the section or the key is missing. Capacity 0 gives "".
  virtual std::u16string Read(std::u16string_view path, std::u16string_view section,
                              std::u16string_view key, std::size_t capacity,
                              std::u16string_view def = u"") = 0;

  // Creates the file, section and key as needed; changes nothing else.
  virtual void Write(std::u16string_view path, std::u16string_view section,
                     std::u16string_view key, std::u16string_view value) = 0;
};

}  // namespace varkel
