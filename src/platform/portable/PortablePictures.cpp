#include "platform/portable/PortablePictures.h"

namespace varkel {

std::unique_ptr<Picture> PortablePictures::Load(std::u16string_view path) {
  std::optional<Bitmap> bitmap = images_.Load(path);
  if (!bitmap) return nullptr;
  return std::make_unique<BitmapPicture>(std::move(*bitmap), std::u16string(path));
}

}  // namespace varkel
