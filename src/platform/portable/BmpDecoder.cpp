#include "platform/portable/BmpDecoder.h"

#include <cstdlib>

namespace varkel {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;  // and the later, longer versions
constexpr std::uint32_t kUncompressed = 0;     // BI_RGB
constexpr std::uint32_t kBitFields = 3;        // BI_BITFIELDS
// The colour masks of a 32-bit file that is plain 8-bit blue, green, red.
constexpr std::uint32_t kRedMask = 0x00FF0000, kGreenMask = 0x0000FF00, kBlueMask = 0x000000FF;
// Larger pictures are not skins; refusing them keeps a hostile size cheap.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Has(std::size_t offset, std::size_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
  }
  std::uint16_t U16(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::uint32_t U32(std::size_t at) const {
    return static_cast<std::uint32_t>(bytes_[at]) | static_cast<std::uint32_t>(bytes_[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes_[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
  }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  const std::uint8_t* At(std::size_t at) const { return bytes_.data() + at; }

 private:
  std::span<const std::uint8_t> bytes_;
};

bool HasPlainMasks(const Reader& in, std::uint32_t compression) {
  if (compression == kUncompressed) return true;
  // The three masks follow the 40-byte header, or sit inside a longer one:
  // the same place in the file either way.
  const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
  if (!in.Has(at, 12)) return false;
  return in.U32(at) == kRedMask && in.U32(at + 4) == kGreenMask && in.U32(at + 8) == kBlueMask;
}

}  // namespace

std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> file) {
  const Reader in(file);
  if (!in.Has(0, kFileHeaderSize + kInfoHeaderSize)) return std::nullopt;
  if (file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const std::uint32_t pixelOffset = in.U32(10);
  const std::uint32_t headerSize = in.U32(14);
  const std::int32_t width = in.I32(18);
  const std::int32_t rawHeight = in.I32(22);
  const std::uint16_t planes = in.U16(26);
  const std::uint16_t bitCount = in.U16(28);
  const std::uint32_t compression = in.U32(30);

  if (headerSize < kInfoHeaderSize || planes != 1) return std::nullopt;
  if (bitCount != 24 && bitCount != 32) return std::nullopt;
  if (compression != kUncompressed && !(compression == kBitFields && bitCount == 32))
    return std::nullopt;
  if (!HasPlainMasks(in, compression)) return std::nullopt;

  const std::int64_t height = std::llabs(static_cast<std::int64_t>(rawHeight));
  const bool topDown = rawHeight < 0;
  if (width <= 0 || height <= 0 || width * height > kMaxPixels) return std::nullopt;

  const std::size_t bytesPerPixel = bitCount / 8;
  const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  // The last row needs only its pixels, not its padding.
  const std::size_t needed = stride * static_cast<std::size_t>(height - 1) +
                             static_cast<std::size_t>(width) * bytesPerPixel;
  if (!in.Has(pixelOffset, needed)) return std::nullopt;

  Bitmap bitmap(width, static_cast<std::int32_t>(height));
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    const std::int32_t fileRow = topDown ? y : bitmap.Height() - 1 - y;
    const std::uint8_t* src = in.At(pixelOffset + static_cast<std::size_t>(fileRow) * stride);
    Rgb* dst = bitmap.Row(y);
    for (std::int32_t x = 0; x < width; ++x, src += bytesPerPixel) dst[x] = {src[2], src[1], src[0]};
  }
  return bitmap;
}

}  // namespace varkel
