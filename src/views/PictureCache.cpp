#include "views/PictureCache.h"

namespace varkel {

const Picture* PictureCache::Get(const std::u16string& path) {
  auto found = loaded_.find(path);
  if (found == loaded_.end()) found = loaded_.emplace(path, pictures_.Load(path)).first;
  return found->second.get();
}

void PictureCache::EndOfPaint() {
  if (!keep_) loaded_.clear();
}

}  // namespace varkel
