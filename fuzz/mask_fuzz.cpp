// Arbitrary bytes as the main window's mask, loaded through the image adapter
// (BMP or JPEG by content): its shape, and the window's regions with control
// places pushed past its edges.
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "skin/WindowShapes.h"

using namespace varkel;

namespace {
bool Inside(const Region& region, std::int32_t width, std::int32_t height) {
  if (region.IsEmpty()) return true;
  const Rect bounds = region.Bounds();
  return bounds.left >= 0 && bounds.top >= 0 && bounds.right <= width && bounds.bottom <= height;
}
}  // namespace

// A mask that does not decode leaves the window a plain rectangle, whatever
// the bytes: only decoded masks are worth shaping.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFolder folder;
  const auto mask = folder.images.Load(folder.Put(u"skins\\main_mask.jpg", data, size));
  if (!mask || mask->Width() <= 0) return 0;

  SkinLayout layout;
  layout.nameBox = {-5, 2, 40, 7};
  layout.eventList = {3, -1, 2147483647, 9};
  layout.macroList = {2, 2, 1, 1};
  const MainWindowRegions regions = BuildMainWindowRegions(*mask, layout);
  if (regions.width != mask->Width() || regions.height != mask->Height()) std::abort();
  if (!Inside(regions.shape, regions.width, regions.height)) std::abort();
  // Nothing outside the window is ever repainted.
  if (!Inside(regions.advancedRepaint, regions.width, regions.height)) std::abort();
  return 0;
}
