#include "platform/portable/MemoryFileStore.h"

#include "platform/portable/HostPaths.h"

namespace varkel {

const std::u16string& MemoryFileStore::KeyOf(std::u16string_view path) {
  if (path != lastPath_) {
    lastKey_ = RelativeHostPath(path);
    lastPath_ = path;
  }
  return lastKey_;
}

FileBytes MemoryFileStore::Read(std::u16string_view path) {
  std::lock_guard guard(lock_);
  const std::u16string& key = KeyOf(path);
  const auto it = files_.find(key);
  return it == files_.end() ? nullptr : it->second;
}

bool MemoryFileStore::Write(std::u16string_view path, std::string_view bytes) {
  std::lock_guard guard(lock_);
  const std::u16string& key = KeyOf(path);
  if (key.empty()) return false;  // the root is a folder
  const std::size_t slash = key.rfind(u'/');
  const std::u16string folder = slash == std::u16string::npos ? u"" : key.substr(0, slash);
  if (folders_.count(key) != 0) return false;
  if (!folder.empty() && folders_.count(folder) == 0) return false;
  files_[key] = std::make_shared<const std::string>(bytes);
  return true;
}

PathState MemoryFileStore::State(std::u16string_view path) {
  std::lock_guard guard(lock_);
  const std::u16string& key = KeyOf(path);
  const bool present = key.empty() || files_.count(key) != 0 || folders_.count(key) != 0;
  return present ? PathState::kPresent : PathState::kMissing;
}

void MemoryFileStore::AddFolder(std::u16string_view path) {
  std::lock_guard guard(lock_);
  const std::u16string& key = KeyOf(path);
  for (std::size_t end = 0; end != std::u16string::npos;) {
    end = key.find(u'/', end + 1);
    std::u16string folder = key.substr(0, end);
    if (folder.empty()) return;
    if (files_.count(folder) != 0) return;  // a file stands where the folder would go
    folders_.insert(std::move(folder));
  }
}

void MemoryFileStore::Remove(std::u16string_view path) {
  std::lock_guard guard(lock_);
  const std::u16string& key = KeyOf(path);
  files_.erase(key);
}

}  // namespace varkel
