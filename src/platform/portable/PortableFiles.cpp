#include "platform/portable/PortableFiles.h"

#include <system_error>

namespace varkel {

bool PortableFiles::Exists(std::u16string_view path) {
  std::error_code error;
  return std::filesystem::exists(paths_.ToHost(path), error);
}

}  // namespace varkel
