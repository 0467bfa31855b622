// Arbitrary bytes as a JPEG skin image: the portable decoder must answer with
// nothing or with a picture whose size it can stand behind.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/portable/JpegDecoder.h"

using namespace varkel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = DecodeJpeg(std::span<const std::uint8_t>(data, size));
  if (!bitmap) return 0;
  if (bitmap->Width() <= 0 || bitmap->Height() <= 0 || bitmap->Width() > 65535 ||
      bitmap->Height() > 65535)
    std::abort();
  // Touch the last pixel: the store must be as large as the size says.
  volatile std::uint8_t r = bitmap->At(bitmap->Width() - 1, bitmap->Height() - 1).r;
  (void)r;
  return 0;
}
