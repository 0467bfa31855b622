#pragma once
// The main window's picture: the page's normal look as the canvas, the looks
// of the hovered, pressed and selected elements copied over it from the
// page's over and down pictures, then the texts.
#include "platform/Canvas.h"
#include "views/PaintInputs.h"
#include "views/ViewContext.h"

namespace varkel {

// Skin pictures of each page, by the look they give.
struct PagePictures {
  const char16_t* normal;
  const char16_t* over;
  const char16_t* down;
};
const PagePictures& PicturesOf(Page page);

inline constexpr char16_t kDpiKnobPicture[] = u"dpi_slider.jpg";
inline constexpr char16_t kPreviewGrayPicture[] = u"color_normal_gray.jpg";
inline constexpr char16_t kPreviewBluePicture[] = u"color_over_blue.jpg";

// The page, common and text layers on `canvas`. False, with nothing drawn,
// when the page's normal picture cannot be read. A missing over or down
// picture leaves out only what it would give.
bool PaintPage(ViewContext& ctx, const PaintInputs& in, Canvas& canvas);

// The minimised window: the program's icon in the middle of the canvas.
void PaintIcon(Canvas& canvas);

// The text layer alone (PaintPage draws it last).
void DrawTextLayer(const ViewContext& ctx, const PaintInputs& in, Canvas& canvas);

}  // namespace varkel
