#pragma once
// Whole files at Windows paths, beneath the portable adapters: on the host's
// disk (DiskFileStore) or held in memory (MemoryFileStore). Both answer
// alike, so the adapters run the same code over either.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace varkel {

// Shared, so that a store that holds the bytes hands them out without a copy
// and a reader can tell the same bytes again at a glance.
using FileBytes = std::shared_ptr<const std::string>;

enum class PathState {
  kMissing,  // nothing at the path
  kPresent,  // a file or a folder
  kUnknown,  // the system could not say (no permission to look)
};

class FileStore {
 public:
  virtual ~FileStore() = default;

  // The file's bytes; null when there is no readable file at the path (a
  // folder is no file).
  virtual FileBytes Read(std::u16string_view path) = 0;
  // Replaces or creates the file; false (and nothing changed) when its folder
  // is missing or it cannot be written.
  virtual bool Write(std::u16string_view path, std::string_view bytes) = 0;
  virtual PathState State(std::u16string_view path) = 0;
};

}  // namespace varkel
