#pragma once
// Small BMP files written byte by byte, every pixel a colour of its position.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/Images.h"

namespace varkel::skintest {

struct BmpHeader {
  std::int32_t width = 3;
  std::int32_t height = 2;  // negative: top-down
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t headerSize = 40;
  std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
};

inline void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// The colour of pixel (x, y), y counted from the top of the picture.
inline Rgb ColourAt(std::int32_t x, std::int32_t y) {
  return {static_cast<std::uint8_t>(10 + x), static_cast<std::uint8_t>(100 + y),
          static_cast<std::uint8_t>(200 + x + y)};
}

inline std::vector<std::uint8_t> MakeBmp(const BmpHeader& header) {
  const bool withMasks = header.compression == 3;
  const std::uint32_t masksSize = withMasks && header.headerSize == 40 ? 12 : 0;
  const std::uint32_t offset = 14 + header.headerSize + masksSize;
  const std::int32_t rows = header.height < 0 ? -header.height : header.height;
  const std::int32_t columns = std::max(header.width, 0);
  const std::uint32_t stride = (static_cast<std::uint32_t>(columns) * header.bitCount + 31) / 32 * 4;
  std::vector<std::uint8_t> out{'B', 'M'};
  Put(out, offset + stride * static_cast<std::uint32_t>(rows), 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, header.headerSize, 4);
  Put(out, static_cast<std::uint32_t>(header.width), 4);
  Put(out, static_cast<std::uint32_t>(header.height), 4);
  Put(out, 1, 2);
  Put(out, header.bitCount, 2);
  Put(out, header.compression, 4);
  Put(out, stride * static_cast<std::uint32_t>(rows), 4);
  for (int i = 0; i < 4; ++i) Put(out, 0, 4);
  if (withMasks)
    for (std::uint32_t m : header.masks) Put(out, m, 4);
  out.resize(offset, 0);
  for (std::int32_t fileRow = 0; fileRow < rows; ++fileRow) {
    const std::int32_t y = header.height < 0 ? fileRow : rows - 1 - fileRow;
    const std::size_t start = out.size();
    for (std::int32_t x = 0; x < columns; ++x) {
      const Rgb c = ColourAt(x, y);
      out.insert(out.end(), {c.b, c.g, c.r});
      if (header.bitCount == 32) out.push_back(0x7F);
    }
    out.resize(start + stride, 0xEE);  // padding that must not be read as a pixel
  }
  return out;
}

}  // namespace varkel::skintest
