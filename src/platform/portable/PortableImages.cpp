#include "platform/portable/PortableImages.h"

#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "platform/portable/BmpDecoder.h"
#include "platform/portable/JpegDecoder.h"

namespace varkel {
namespace {

// Plain C reads: a folder or an unreadable file ends in a short read, never
// in an exception.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.string().c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
    bytes.insert(bytes.end(), chunk, chunk + got);
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<Bitmap> PortableImages::Load(std::u16string_view path) {
  const auto bytes = ReadWholeFile(paths_.ToHost(path));
  if (!bytes) return std::nullopt;
  // By content, as the system's codec does, not by the file's name.
  if (bytes->size() >= 2 && (*bytes)[0] == 0xFF && (*bytes)[1] == 0xD8) return DecodeJpeg(*bytes);
  return DecodeBmp(*bytes);
}

}  // namespace varkel
