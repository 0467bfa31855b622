#include "platform/portable/DiskFileStore.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace varkel {

// Streams, not exceptions: a folder or an unreadable file is simply no file.
FileBytes DiskFileStore::Read(std::u16string_view path) {
  const std::filesystem::path host = paths_.ToHost(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(host, error)) return nullptr;
  std::ifstream in(host, std::ios::binary);
  if (!in) return nullptr;
  auto bytes = std::make_shared<std::string>(std::istreambuf_iterator<char>(in),
                                             std::istreambuf_iterator<char>());
  if (in.bad()) return nullptr;
  return bytes;
}

bool DiskFileStore::Write(std::u16string_view path, std::string_view bytes) {
  std::ofstream out(paths_.ToHost(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

PathState DiskFileStore::State(std::u16string_view path) {
  std::error_code error;
  if (std::filesystem::exists(paths_.ToHost(path), error)) return PathState::kPresent;
  return error ? PathState::kUnknown : PathState::kMissing;
}

}  // namespace varkel
