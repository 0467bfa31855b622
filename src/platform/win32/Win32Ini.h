#pragma once
// IniFiles through the Windows private-profile functions. Paths must be full:
// a bare file name would resolve to the Windows folder.
#include "platform/Ini.h"

namespace varkel::win32 {

class Win32Ini final : public IniFiles {
 public:
  std::u16string Read(std::u16string_view path, std::u16string_view section,
                      std::u16string_view key, std::size_t capacity,
                      std::u16string_view def = u"") override;
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override;
};

}  // namespace varkel::win32
