#pragma once
// Baseline JPEG (8-bit, Huffman, one interleaved scan; grey or YCbCr with any
// sampling factors), so that native builds see the skin's pictures. Anything
// else, and any file that is short or contradicts itself, decodes to nothing.
#include <cstdint>
#include <optional>
#include <span>

#include "platform/Images.h"

namespace varkel {

std::optional<Bitmap> DecodeJpeg(std::span<const std::uint8_t> file);

}  // namespace varkel
