#pragma once
// Images on the host's file system (or in a store), for native builds: BMP
// and baseline JPEG. Other formats load as "no image", as an undecodable
// file would.
#include "platform/Images.h"
#include "platform/portable/DiskFileStore.h"

namespace varkel {

class PortableImages : public Images {
 public:
  explicit PortableImages(const HostPaths& paths) : store_(paths) {}
  explicit PortableImages(FileStore& store) : store_(store) {}
  std::optional<Bitmap> Load(std::u16string_view path) override;

 private:
  AdapterStore store_;
};

}  // namespace varkel
