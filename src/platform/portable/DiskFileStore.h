#pragma once
// Files on the host's file system, where HostPaths puts them.
#include <memory>

#include "platform/portable/FileStore.h"
#include "platform/portable/HostPaths.h"

namespace varkel {

class DiskFileStore final : public FileStore {
 public:
  explicit DiskFileStore(const HostPaths& paths) : paths_(paths) {}

  FileBytes Read(std::u16string_view path) override;
  bool Write(std::u16string_view path, std::string_view bytes) override;
  PathState State(std::u16string_view path) override;

 private:
  HostPaths paths_;
};

// The store a portable adapter works on: its own on the disk when it is made
// from host paths, else one lent to it, which must outlive it.
class AdapterStore {
 public:
  explicit AdapterStore(const HostPaths& paths)
      : own_(std::make_unique<DiskFileStore>(paths)), store_(own_.get()) {}
  explicit AdapterStore(FileStore& lent) : store_(&lent) {}

  FileStore* operator->() const { return store_; }

 private:
  std::unique_ptr<FileStore> own_;
  FileStore* store_;
};

}  // namespace varkel
