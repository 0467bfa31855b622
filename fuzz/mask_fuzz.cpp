// Arbitrary bytes as a mask image: the BMP reader, the shape of the visible
// pixels, and the main window's regions with the shipped control places.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/portable/BmpDecoder.h"
#include "skin/MaskToRegion.h"
#include "skin/WindowShapes.h"

using namespace varkel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = DecodeBmp(std::span<const std::uint8_t>(data, size));
  if (!bitmap) return 0;
  if (bitmap->Width() < 0 || bitmap->Height() < 0) std::abort();
  const Region shape = MaskToRegion(*bitmap);
  if (shape.Area() > std::int64_t{bitmap->Width()} * bitmap->Height()) std::abort();

  SkinLayout layout;
  layout.nameBox = {-5, 2, 40, 7};
  layout.eventList = {3, -1, 2147483647, 9};
  layout.macroList = {2, 2, 1, 1};
  const MainWindowRegions regions = BuildMainWindowRegions(*bitmap, layout);
  const Rect bounds = regions.advancedRepaint.Bounds();
  if (!regions.advancedRepaint.IsEmpty() &&
      (bounds.left < 0 || bounds.top < 0 || bounds.right > bitmap->Width() ||
       bounds.bottom > bitmap->Height())) {
    std::abort();  // nothing outside the window is ever repainted
  }
  return 0;
}
