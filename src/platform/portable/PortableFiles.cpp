#include "platform/portable/PortableFiles.h"

namespace varkel {

bool PortableFiles::Exists(std::u16string_view path) {
  return store_->State(path) == PathState::kPresent;
}

}  // namespace varkel
