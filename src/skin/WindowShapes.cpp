#include "skin/WindowShapes.h"

#include <algorithm>

#include "skin/MaskToRegion.h"

namespace varkel {
namespace {

Rect Clipped(const Rect& r, std::int32_t width, std::int32_t height) {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width),
          std::min(r.bottom, height)};
}

Region AdvancedRepaint(const Region& shape, std::int32_t width, std::int32_t height,
                       const SkinLayout& layout) {
  Region region = shape;
  for (const ControlPlace* place : {&layout.nameBox, &layout.eventList, &layout.macroList}) {
    region.XorRect(Clipped(place->Bounds(), width, height));
  }
  return region;
}

}  // namespace

MainWindowRegions BuildMainWindowRegions(const Bitmap& mask, const SkinLayout& layout) {
  MainWindowRegions regions;
  regions.width = mask.Width();
  regions.height = mask.Height();
  regions.shape = MaskToRegion(mask);
  regions.advancedRepaint = AdvancedRepaint(regions.shape, regions.width, regions.height, layout);
  return regions;
}

MainWindowRegions BuildUnmaskedRegions(std::int32_t width, std::int32_t height,
                                       const SkinLayout& layout) {
  MainWindowRegions regions;
  regions.width = width;
  regions.height = height;
  regions.shape = Region::FromRect({0, 0, width, height});
  regions.advancedRepaint = AdvancedRepaint(regions.shape, width, height, layout);
  return regions;
}

MainWindowRegions ShapeMainWindow(Images& images, ShapedWindow& window, const AppPaths& paths,
                                  SkinLayout& layout) {
  MainWindowRegions regions;
  if (auto mask = images.Load(paths.maskPath); mask && mask->Width() > 0) {
    regions = BuildMainWindowRegions(*mask, layout);
  } else if (auto picture = images.Load(JoinPath(paths.skinDir, u"main_normal.jpg"));
             picture && picture->Width() > 0) {
    regions = BuildUnmaskedRegions(picture->Width(), picture->Height(), layout);
  } else {
    regions = BuildUnmaskedRegions(kFallbackWindowWidth, kFallbackWindowHeight, layout);
  }
  layout.windowWidth = regions.width;
  layout.windowHeight = regions.height;
  window.SetShape(regions.shape);
  return regions;
}

std::optional<MaskShape> LoadMaskShape(Images& images, std::u16string_view path) {
  auto mask = images.Load(path);
  if (!mask || mask->Width() <= 0) return std::nullopt;
  return MaskShape{mask->Width(), mask->Height(), MaskToRegion(*mask)};
}

}  // namespace varkel
