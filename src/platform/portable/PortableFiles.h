#pragma once
// Files on the host's file system, or in a store. Exists is true for
// anything at the path, a folder included, as the Windows attribute query
// answers.
#include "platform/Files.h"
#include "platform/portable/DiskFileStore.h"

namespace varkel {

class PortableFiles : public Files {
 public:
  explicit PortableFiles(const HostPaths& paths) : store_(paths) {}
  explicit PortableFiles(FileStore& store) : store_(store) {}
  bool Exists(std::u16string_view path) override;

 private:
  AdapterStore store_;
};

}  // namespace varkel
