#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <string>

namespace varkel::win32 {

bool Win32Files::Exists(std::u16string_view path) {
  const std::wstring wide(path.begin(), path.end());
  return GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace varkel::win32
