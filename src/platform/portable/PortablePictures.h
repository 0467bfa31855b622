#pragma once
// Pictures for native builds: the decoded bitmap itself, copied from pixel by
// pixel by RasterCanvas.
#include <string>

#include "platform/Canvas.h"
#include "platform/Images.h"

namespace varkel {

class BitmapPicture final : public Picture {
 public:
  BitmapPicture(Bitmap bitmap, std::u16string path) : bitmap_(std::move(bitmap)), path_(std::move(path)) {}
  std::int32_t Width() const override { return bitmap_.Width(); }
  std::int32_t Height() const override { return bitmap_.Height(); }
  const std::u16string& Path() const override { return path_; }
  const Bitmap& Pixels() const { return bitmap_; }

 private:
  Bitmap bitmap_;
  std::u16string path_;
};

class PortablePictures final : public Pictures {
 public:
  explicit PortablePictures(Images& images) : images_(images) {}
  std::unique_ptr<Picture> Load(std::u16string_view path) override;

 private:
  Images& images_;
};

}  // namespace varkel
