#include "views/MainWindowPainter.h"

#include "config/ProfileValues.h"
#include "views/HitTest.h"

namespace varkel {
namespace {

// Main table.
constexpr int kFirstProfileElement = 4;   // profile n is element 3 + n
constexpr int kLastCommonElement = 16;
constexpr int kDpiSwitchElement = 27;     // + level
constexpr int kWheelElement = 32;         // + wheel option
constexpr int kLevelMarkElement = 65;     // + level
constexpr int kRunButtonMarkElement = 68; // + mouse button 1-6
// Colour table.
constexpr int kPreviewElement = 11;
constexpr int kLastLedMode = 3;
// Advanced table.
constexpr int kRecordElement = 4;
constexpr int kRepeatSwitchElement = 6;
constexpr int kMacroModeElement = 7;
constexpr std::uint8_t kFirstSpeedOption = 8;
constexpr std::uint8_t kLastSpeedOption = 10;

constexpr PagePictures kPagePictures[] = {
    {u"main_normal.jpg", u"main_over.jpg", u"main_down.jpg"},
    {u"advanced_normal.jpg", u"advanced_over.jpg", u"advanced_down.jpg"},
    {u"color_normal_pink.jpg", u"color_over_red.jpg", u"color_down_purple.jpg"},
};

int TabOf(Page page) { return 9 + static_cast<int>(page); }

struct Looks {
  const Picture* over;
  const Picture* down;
  const Picture* Of(bool down) const { return down ? this->down : over; }
};

class Painter {
 public:
  Painter(ViewContext& ctx, const PaintInputs& in, Canvas& canvas, Looks looks)
      : ctx_(ctx), in_(in), canvas_(canvas), looks_(looks) {}

  void PageLayer() {
    switch (in_.page) {
      case Page::Main:
        CopyHovered(ctx_.skin.main, in_.mainHover);
        MainPage();
        break;
      case Page::Advanced:
        CopyHovered(ctx_.skin.advanced, in_.advancedHover);
        AdvancedPage();
        break;
      case Page::Colour:
        CopyHovered(ctx_.skin.colour, in_.colourHover);
        ColourPage();
        break;
    }
  }

  // Window buttons, profiles, tabs and the status line, on every page.
  void CommonLayer() {
    for (int i = 0; i <= kLastCommonElement; ++i) {
      if (i == kFirstProfileElement - 1 + in_.currentProfile)
        Copy(ctx_.skin.main, i, looks_.down);
      else if (i == in_.mainHover)
        Copy(ctx_.skin.main, i, looks_.Of(in_.pressed));
      else if (i == TabOf(in_.page))
        Copy(ctx_.skin.main, i, looks_.down);
    }
  }

 private:
  void Copy(std::span<const SkinElement> table, int index, const Picture* from) {
    const SkinElement* e = ElementAt(table, index);
    if (e && from) canvas_.Copy(*from, e->x, e->y, e->width, e->height, e->x, e->y);
  }

  void CopyHovered(std::span<const SkinElement> table, int hover) { Copy(table, hover, looks_.Of(in_.pressed)); }

  void MainPage() {
    const MouseProfile& p = in_.profile;
    const auto& main = ctx_.skin.main;
    Copy(main, kLevelMarkElement + DpiLevelIndex(p), looks_.down);
    const Picture* knob = ctx_.pictures.Get(SkinFile(kDpiKnobPicture));
    for (int k = 0; k < kDpiLevelCount; ++k) {
      const SkinElement* at = ElementAt(main, in_.dpiKnob[static_cast<std::size_t>(k)]);
      if (at && knob) canvas_.Copy(*knob, 0, 0, at->width, at->height, at->x, at->y);
      if (p.dpiSetEnabled[static_cast<std::size_t>(k)] != 0) Copy(main, kDpiSwitchElement + k, looks_.down);
    }
    Copy(main, kWheelElement + (p.wheelStatus == 0 ? 0 : 1), looks_.down);
    // Blinks with the blinker's phase while the driver waits for this button.
    if (!in_.driverRunning) Copy(main, kRunButtonMarkElement + in_.runButton, looks_.Of(!in_.blinkPhase));
  }

  void AdvancedPage() {
    const auto& advanced = ctx_.skin.advanced;
    if (in_.recording) Copy(advanced, kRecordElement, looks_.down);
    const std::uint8_t speed = in_.profile.dpiSpeed;
    if (speed >= kFirstSpeedOption && speed <= kLastSpeedOption) Copy(advanced, speed, looks_.down);
    if (in_.profile.macroMode != 0) Copy(advanced, kMacroModeElement, looks_.down);
    if (in_.currentRepeatMode == 1) Copy(advanced, kRepeatSwitchElement, looks_.down);
  }

  void ColourPage() {
    const auto& colour = ctx_.skin.colour;
    if (in_.profile.ledStatus <= kLastLedMode) Copy(colour, in_.profile.ledStatus, looks_.down);
    Copy(colour, kPreviewElement, PreviewLook());
  }

  // Blue, pink (the canvas itself: nothing to copy), red, purple; or unlit.
  const Picture* PreviewLook() {
    if (in_.previewGray) return ctx_.pictures.Get(SkinFile(kPreviewGrayPicture));
    switch (in_.previewColour) {
      case 0: return ctx_.pictures.Get(SkinFile(kPreviewBluePicture));
      case 2: return looks_.over;
      case 3: return looks_.down;
      default: return nullptr;
    }
  }

  std::u16string SkinFile(const char16_t* name) const { return JoinPath(ctx_.paths.skinDir, name); }

  ViewContext& ctx_;
  const PaintInputs& in_;
  Canvas& canvas_;
  const Looks looks_;
};

}  // namespace

const PagePictures& PicturesOf(Page page) {
  const auto index = static_cast<std::size_t>(page);
  return kPagePictures[index < std::size(kPagePictures) ? index : 0];
}

bool PaintPage(ViewContext& ctx, const PaintInputs& in, Canvas& canvas) {
  const PagePictures& names = PicturesOf(in.page);
  const auto file = [&](const char16_t* name) { return ctx.pictures.Get(JoinPath(ctx.paths.skinDir, name)); };
  const Picture* normal = file(names.normal);
  if (!normal) return false;
  canvas.DrawBackground(*normal);
  Painter painter(ctx, in, canvas, {file(names.over), file(names.down)});
  painter.PageLayer();
  painter.CommonLayer();
  DrawTextLayer(ctx, in, canvas);
  return true;
}

void PaintIcon(Canvas& canvas) {
  const Extent client = canvas.Size();
  const Extent icon = canvas.IconSize();
  canvas.DrawIcon((client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2);
}

}  // namespace varkel
