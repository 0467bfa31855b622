#pragma once
// The shapes of the skinned windows, built from their mask images.
#include <cstdint>
#include <optional>
#include <string_view>

#include "config/AppPaths.h"
#include "platform/Images.h"
#include "platform/Region.h"
#include "platform/WindowShape.h"
#include "skin/SkinLayout.h"

namespace varkel {

struct MainWindowRegions {
  std::int32_t width = 0;
  std::int32_t height = 0;
  Region shape;
  // On the advanced page, pointer repaints cover only this, so that the name
  // box, macro list and event list are not painted over.
  Region advancedRepaint;
};

// The window used when the main mask cannot be decoded: unshaped, and as
// large as the main page's picture, or this.
inline constexpr std::int32_t kFallbackWindowWidth = 800;
inline constexpr std::int32_t kFallbackWindowHeight = 600;

// The shape, and the advanced repaint region: the shape with the name box,
// event list and macro list places toggled in by exclusive-or (the repeat box
// is not). Places are clipped to the window first; nothing outside it is
// ever repainted.
MainWindowRegions BuildMainWindowRegions(const Bitmap& mask, const SkinLayout& layout);

// The same for a window of the given size without a mask: the full rectangle.
MainWindowRegions BuildUnmaskedRegions(std::int32_t width, std::int32_t height,
                                       const SkinLayout& layout);

// Start-up: builds the regions from "main_mask.jpg", records the window size
// in the layout and shapes the window. A mask that cannot be decoded leaves
// the window rectangular, sized as described above.
MainWindowRegions ShapeMainWindow(Images& images, ShapedWindow& window, const AppPaths& paths,
                                  SkinLayout& layout);

// A mask's shape and size, e.g. the warning popup's "warning_mask.bmp";
// nothing when it cannot be decoded.
struct MaskShape {
  std::int32_t width = 0;
  std::int32_t height = 0;
  Region shape;
};
std::optional<MaskShape> LoadMaskShape(Images& images, std::u16string_view path);

}  // namespace varkel
