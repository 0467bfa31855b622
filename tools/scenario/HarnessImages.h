#pragma once
// Skin images for the harness: BMP files decode, JPEG files do not (the
// program then takes its unshaped window), and a window's shape is kept.
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/Images.h"
#include "platform/WindowShape.h"
#include "platform/portable/BmpDecoder.h"
#include "platform/portable/HostPaths.h"

namespace varkel::scenario {

class HarnessImages final : public Images {
 public:
  explicit HarnessImages(const HostPaths& paths) : paths_(paths) {}
  std::optional<Bitmap> Load(std::u16string_view path) override {
    std::ifstream in(paths_.ToHost(path), std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return DecodeBmp(bytes);
  }

 private:
  const HostPaths& paths_;
};

class QuietShapedWindow final : public ShapedWindow {
 public:
  void SetShape(const Region&) override {}
};

}  // namespace varkel::scenario
