#pragma once
// Files on the host's file system. Exists is true for anything at the path,
// a folder included, as the Windows attribute query answers.
#include "platform/Files.h"
#include "platform/portable/HostPaths.h"

namespace varkel {

class PortableFiles : public Files {
 public:
  explicit PortableFiles(const HostPaths& paths) : paths_(paths) {}
  bool Exists(std::u16string_view path) override;

 private:
  HostPaths paths_;
};

}  // namespace varkel
