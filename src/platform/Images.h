#pragma once
// Skin images: decoded from a file into plain pixels each time they are
// needed, released by dropping the bitmap.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace varkel {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// Width x height pixels, top row first. The size never disagrees with the
// pixel store, so reading inside the size is always safe.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(std::int32_t width, std::int32_t height, Rgb fill = {});

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  Rgb At(std::int32_t x, std::int32_t y) const { return pixels_[Index(x, y)]; }
  void Set(std::int32_t x, std::int32_t y, Rgb colour) { pixels_[Index(x, y)] = colour; }
  const Rgb* Row(std::int32_t y) const { return &pixels_[Index(0, y)]; }
  Rgb* Row(std::int32_t y) { return &pixels_[Index(0, y)]; }

 private:
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<Rgb> pixels_;
};

class Images {
 public:
  virtual ~Images() = default;
  // A JPEG or BMP file; nothing when it is missing or cannot be decoded.
  // Shows no message.
  virtual std::optional<Bitmap> Load(std::u16string_view path) = 0;
};

}  // namespace varkel
