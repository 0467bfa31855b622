#pragma once
// Files on Windows: Exists is true for anything at the path, folders included.
#include "platform/Files.h"

namespace varkel::win32 {

class Win32Files final : public Files {
 public:
  bool Exists(std::u16string_view path) override;
};

}  // namespace varkel::win32
