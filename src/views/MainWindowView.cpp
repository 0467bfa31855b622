#include "views/MainWindowView.h"

#include "views/FunctionPopups.h"
#include "views/HitTest.h"
#include "views/MacroPageOperations.h"
#include "views/MainWindowPainter.h"
#include "platform/Messages.h"

namespace varkel {
namespace {

// Last element of each table the pointer is tested against.
constexpr int kLastMainOnMainPage = 64;
constexpr int kLastCommonElement = 16;
constexpr int kLastColourTested = 4;
constexpr int kLastAdvancedTested = 11;

// On the advanced page the pointer's repaints leave the child controls alone.
void RepaintForPointer(const ViewContext& ctx, Window& window) {
  if (ctx.view.page.load() == Page::Advanced)
    window.InvalidateRegion(ctx.regions.advancedRepaint);
  else
    window.Invalidate();
}

}  // namespace

void MainWindowView::Paint(Window& window) {
  ViewState& v = ctx_.view;
  if (v.closePopupOnPaint) {
    v.closePopupOnPaint = false;
    DestroyFunctionPopup(ctx_);
  }
  const PaintInputs in = ReadPaintInputs(ctx_);
  window.Paint({ctx_.skin.windowWidth, ctx_.skin.windowHeight}, [&](Canvas& canvas) {
    if (window.IsMinimized()) {
      PaintIcon(canvas);
      return true;
    }
    return PaintPage(ctx_, in, canvas);
  });
  ctx_.pictures.EndOfPaint();
}

void MainWindowView::OnMouseMove(Window& window, std::int32_t x, std::int32_t y) {
  ViewState& v = ctx_.view;
  const SkinLayout& skin = ctx_.skin;
  v.mainHover = HitTest(skin.main, v.page.load() == Page::Main ? kLastMainOnMainPage : kLastCommonElement, x, y);
  v.colourHover = HitTest(skin.colour, kLastColourTested, x, y);
  v.advancedHover = HitTest(skin.advanced, kLastAdvancedTested, x, y);
  const std::array<int, 3> now{v.mainHover, v.colourHover, v.advancedHover};
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (now[i] == previousHover_[i]) continue;
    RepaintForPointer(ctx_, window);
    window.UpdateNow();
    previousHover_[i] = now[i];
  }
}

void MainWindowView::ShowPage(Window& window, Page page) {
  ViewState& v = ctx_.view;
  const Page from = v.page.load();
  v.page = page;
  if (page == Page::Advanced) {
    window.InvalidateRegion(ctx_.regions.advancedRepaint);
    CreateMacroControls(ctx_, window);
    window.UpdateNow();
    ShowMacroList(ctx_, window);
    window.UpdateNow();
    return;
  }
  if (page == Page::Main)
    ctx_.animations.StartBlinkerUnlessAlive();
  else
    ctx_.animations.StartPreviewUnlessAlive();
  if (from == Page::Advanced) DestroyMacroControls(ctx_, window);
  window.Invalidate();
}

void DragWindow(Window& window, std::int32_t x, std::int32_t y) {
  window.Post(msg::kNcLeftButtonDown, msg::kHitCaption, msg::PointParam(x, y));
}

}  // namespace varkel
