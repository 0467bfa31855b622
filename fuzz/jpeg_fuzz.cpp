// Arbitrary bytes as a skin picture, loaded as the program loads one: the
// image adapter picks the decoder by content (the seeds are JPEGs), and must
// answer with nothing or with a picture whose size it can stand behind.
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"

using namespace varkel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFolder folder;
  const auto bitmap = folder.images.Load(folder.Put(u"main_normal.jpg", data, size));
  if (!bitmap) return 0;
  constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;
  if (bitmap->Width() <= 0 || bitmap->Height() <= 0 ||
      std::int64_t{bitmap->Width()} * bitmap->Height() > kMaxPixels)
    std::abort();
  // Touch the last pixel: the store must be as large as the size says.
  volatile std::uint8_t r = bitmap->At(bitmap->Width() - 1, bitmap->Height() - 1).r;
  (void)r;
  return 0;
}
