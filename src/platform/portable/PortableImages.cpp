#include "platform/portable/PortableImages.h"

#include <cstdint>
#include <span>

#include "platform/portable/BmpDecoder.h"
#include "platform/portable/JpegDecoder.h"

namespace varkel {

std::optional<Bitmap> PortableImages::Load(std::u16string_view path) {
  const FileBytes file = store_->Read(path);
  if (!file) return std::nullopt;
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(file->data()),
                                            file->size());
  // By content, as the system's codec does, not by the file's name.
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return DecodeJpeg(bytes);
  return DecodeBmp(bytes);
}

}  // namespace varkel
