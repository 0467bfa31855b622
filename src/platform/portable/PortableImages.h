#pragma once
// Images on the host's file system, for native builds: BMP and baseline JPEG.
// Other formats load as "no image", as an undecodable file would.
#include "platform/Images.h"
#include "platform/portable/HostPaths.h"

namespace varkel {

class PortableImages : public Images {
 public:
  explicit PortableImages(const HostPaths& paths) : paths_(paths) {}
  std::optional<Bitmap> Load(std::u16string_view path) override;

 private:
  HostPaths paths_;
};

}  // namespace varkel
