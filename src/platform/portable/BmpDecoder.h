#pragma once
// Uncompressed 24- and 32-bit BMP files, bottom-up or top-down. Anything
// else, and any file that is short or contradicts itself, decodes to nothing.
#include <cstdint>
#include <optional>
#include <span>

#include "platform/Images.h"

namespace varkel {

std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace varkel
