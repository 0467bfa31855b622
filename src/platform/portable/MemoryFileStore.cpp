#include "platform/portable/MemoryFileStore.h"

#include <vector>

#include "platform/portable/HostPaths.h"

namespace varkel {
namespace {

std::u16string Joined(const std::vector<std::u16string>& parts, std::size_t count) {
  std::u16string key;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) key += u'/';
    key += parts[i];
  }
  return key;
}

std::u16string KeyOf(std::u16string_view path) {
  const auto parts = WindowsPathParts(path);
  return Joined(parts, parts.size());
}

}  // namespace

FileBytes MemoryFileStore::Read(std::u16string_view path) {
  const std::u16string key = KeyOf(path);
  std::lock_guard guard(lock_);
  const auto it = files_.find(key);
  return it == files_.end() ? nullptr : it->second;
}

bool MemoryFileStore::Write(std::u16string_view path, std::string_view bytes) {
  const auto parts = WindowsPathParts(path);
  if (parts.empty()) return false;  // the root is a folder
  const std::u16string key = Joined(parts, parts.size());
  const std::u16string folder = Joined(parts, parts.size() - 1);
  std::lock_guard guard(lock_);
  if (folders_.count(key) != 0) return false;
  if (!folder.empty() && folders_.count(folder) == 0) return false;
  files_[key] = std::make_shared<const std::string>(bytes);
  return true;
}

PathState MemoryFileStore::State(std::u16string_view path) {
  const std::u16string key = KeyOf(path);
  std::lock_guard guard(lock_);
  const bool present = key.empty() || files_.count(key) != 0 || folders_.count(key) != 0;
  return present ? PathState::kPresent : PathState::kMissing;
}

void MemoryFileStore::AddFolder(std::u16string_view path) {
  const auto parts = WindowsPathParts(path);
  std::lock_guard guard(lock_);
  for (std::size_t count = 1; count <= parts.size(); ++count) {
    std::u16string key = Joined(parts, count);
    if (files_.count(key) != 0) return;  // a file stands where the folder would go
    folders_.insert(std::move(key));
  }
}

void MemoryFileStore::Remove(std::u16string_view path) {
  const std::u16string key = KeyOf(path);
  std::lock_guard guard(lock_);
  files_.erase(key);
}

}  // namespace varkel
