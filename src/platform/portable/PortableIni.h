#pragma once
// IniFiles on the host's file system, behaving as the Windows private-profile
// functions do: a file starting with FF FE is UTF-16LE and stays so, any
// other file is ANSI (Windows-1252 here), new files are ANSI. Each call reads
// the whole file and, when it changes, writes it back whole; calls are
// serialised, as the system serialises profile access.
#include <mutex>

#include "platform/Ini.h"
#include "platform/portable/HostPaths.h"

namespace varkel {

class PortableIni : public IniFiles {
 public:
  explicit PortableIni(const HostPaths& paths) : paths_(paths) {}

  std::u16string Read(std::u16string_view path, std::u16string_view section,
                      std::u16string_view key, std::size_t capacity,
                      std::u16string_view def = u"") override;
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override;

 private:
  HostPaths paths_;
  std::mutex lock_;
};

}  // namespace varkel
