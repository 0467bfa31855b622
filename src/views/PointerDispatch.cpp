// What a press and a release of the left button do, page by page: which
// element acts on which edge of the click is a table.
#include <mutex>

#include "config/ProfileEdits.h"
#include "device/ApplyProfile.h"
#include "platform/Messages.h"
#include "views/FunctionPopups.h"
#include "views/MacroPageOperations.h"
#include "views/MainPageCommands.h"
#include "views/MainWindowView.h"
#include "views/ShellOperations.h"

namespace varkel {
namespace {

// One click as the handlers see it.
struct Click {
  MainWindowView& views;
  ViewContext& ctx;
  Window& window;
  std::int32_t x;
  std::int32_t y;
};

// Which hover index a rule looks at; Nothing matches where neither the main
// table nor the page's own table has an element under the pointer.
enum class Over { Main, Advanced, Colour, Nothing };

struct Rule {
  Over over;
  int first;
  int last;
  void (*act)(Click& click, int element);
};

template <class Edit>
void EditProfile(ViewContext& ctx, Edit edit) {
  std::lock_guard lock(ctx.model.lock);
  edit(ctx.model);
}

const Rule kMainPagePress[] = {
    {Over::Main, 0, 0, [](Click& c, int) { SaveWorkingProfile(c.ctx); }},
    {Over::Main, 10, 10, [](Click& c, int) { c.views.ShowPage(c.window, Page::Advanced); }},
    {Over::Main, 11, 11, [](Click& c, int) { c.views.ShowPage(c.window, Page::Colour); }},
    {Over::Main, 14, 14, [](Click& c, int) { ImportProfile(c.ctx, c.window); }},
    {Over::Main, 15, 15, [](Click& c, int) { ExportProfile(c.ctx, c.window); }},
    {Over::Main, 17, 22, [](Click& c, int e) { ChooseFunction(c.ctx, c.window, e - 16); }},
    {Over::Main, 27, 30,
     [](Click& c, int e) { EditProfile(c.ctx, [e](ProfileModel& m) { ToggleDpiLevel(m.profile, e - 27); }); }},
    {Over::Main, 32, 33,
     [](Click& c, int e) { EditProfile(c.ctx, [e](ProfileModel& m) { m.profile.wheelStatus = e - 32; }); }},
    {Over::Main, 41, 44,
     [](Click& c, int e) { EditProfile(c.ctx, [e](ProfileModel& m) { SelectDpiLevel(m.profile, e - 41); }); }},
    {Over::Main, 45, 64,
     [](Click& c, int e) {
       const int j = e - 45;
       EditProfile(c.ctx, [j](ProfileModel& m) { SetDpiValue(m, j / 5, static_cast<std::uint8_t>(j % 5)); });
     }},
    {Over::Main, kNoElement, kNoElement, [](Click& c, int) { DragWindow(c.window, c.x, c.y); }},
};

const Rule kAdvancedPagePress[] = {
    {Over::Main, 9, 9, [](Click& c, int) { c.views.ShowPage(c.window, Page::Main); }},
    {Over::Main, 11, 11, [](Click& c, int) { c.views.ShowPage(c.window, Page::Colour); }},
    {Over::Advanced, 0, 0, [](Click& c, int) { ImportMacros(c.ctx, c.window); }},
    {Over::Advanced, 1, 1, [](Click& c, int) { ExportMacros(c.ctx, c.window); }},
    {Over::Advanced, 2, 2, [](Click& c, int) { AddMacro(c.ctx, c.window); }},
    {Over::Advanced, 3, 3, [](Click& c, int) { DeleteMacro(c.ctx, c.window); }},
    {Over::Advanced, 4, 4, [](Click& c, int) { ToggleRecording(c.ctx, c.window); }},
    {Over::Advanced, 5, 5, [](Click& c, int) { SaveMacroSettings(c.ctx, c.window); }},
    {Over::Advanced, 6, 6, [](Click& c, int) { ToggleRepeatMode(c.ctx, c.window); }},
    {Over::Advanced, 7, 7,
     [](Click& c, int) { EditProfile(c.ctx, [](ProfileModel& m) { m.profile.macroMode = m.profile.macroMode == 0; }); }},
    {Over::Advanced, 8, 10,
     [](Click& c, int e) {
       EditProfile(c.ctx, [e](ProfileModel& m) { m.profile.dpiSpeed = static_cast<std::uint8_t>(e); });
     }},
    {Over::Nothing, 0, 0, [](Click& c, int) { DragWindow(c.window, c.x, c.y); }},
};

const Rule kColourPagePress[] = {
    {Over::Main, 9, 9, [](Click& c, int) { c.views.ShowPage(c.window, Page::Main); }},
    {Over::Main, 10, 10, [](Click& c, int) { c.views.ShowPage(c.window, Page::Advanced); }},
    {Over::Colour, 0, 3,
     [](Click& c, int e) {
       EditProfile(c.ctx, [e](ProfileModel& m) { m.profile.ledStatus = static_cast<std::uint8_t>(e); });
     }},
    {Over::Nothing, 0, 0, [](Click& c, int) { DragWindow(c.window, c.x, c.y); }},
};

// The release acts on the main-table element under the pointer, on every page.
const Rule kRelease[] = {
    {Over::Main, 2, 2,
     [](Click& c, int) {
       c.ctx.view.mainHover = kNoElement;
       ReturnToAppliedProfile(c.ctx);
       HideToTray(c.ctx, c.window);
       c.window.Invalidate();
     }},
    {Over::Main, 3, 3, [](Click& c, int) { ApplyProfile(c.ctx.device); }},
    {Over::Main, 4, 8, [](Click& c, int e) { ChooseProfile(c.ctx, e - 3); }},
    {Over::Main, 12, 12,
     [](Click& c, int) {
       c.ctx.view.mainHover = kNoElement;
       c.window.Post(msg::kSysCommand, syscommand::kMinimize, msg::PointParam(c.x, c.y));
     }},
    {Over::Main, 13, 13,
     [](Click& c, int) {
       c.ctx.view.mainHover = kNoElement;
       HideToTray(c.ctx, c.window);
     }},
    {Over::Main, 16, 16, [](Click& c, int) { RestoreDefaults(c.ctx, c.window); }},
};

int HoverOf(const ViewState& v, Over over) {
  switch (over) {
    case Over::Main: return v.mainHover;
    case Over::Advanced: return v.advancedHover;
    case Over::Colour: return v.colourHover;
    case Over::Nothing: break;
  }
  return kNoElement;
}

bool OnNothing(const ViewState& v) {
  const int own = v.page.load() == Page::Advanced ? v.advancedHover : v.colourHover;
  return v.mainHover == kNoElement && own == kNoElement;
}

// The first rule that matches acts.
template <std::size_t N>
void Dispatch(const Rule (&rules)[N], Click& click) {
  const ViewState& v = click.ctx.view;
  for (const Rule& rule : rules) {
    if (rule.over == Over::Nothing) {
      if (!OnNothing(v)) continue;
      rule.act(click, kNoElement);
      return;
    }
    const int element = HoverOf(v, rule.over);
    if (element < rule.first || element > rule.last) continue;
    rule.act(click, element);
    return;
  }
}

}  // namespace

void MainWindowView::OnLeftButtonDown(Window& window, std::int32_t x, std::int32_t y) {
  ViewState& v = ctx_.view;
  if (v.mainHover != kNoElement || v.colourHover != kNoElement || v.advancedHover != kNoElement) {
    v.pressed = true;
    window.Invalidate();
  }
  Click click{*this, ctx_, window, x, y};
  switch (v.page.load()) {
    case Page::Main:
      if (v.popupOpen) {
        DestroyFunctionPopup(ctx_);
        v.popupOpen = false;
      }
      Dispatch(kMainPagePress, click);
      break;
    case Page::Advanced:
      Dispatch(kAdvancedPagePress, click);
      break;
    case Page::Colour:
      Dispatch(kColourPagePress, click);
      break;
  }
}

void MainWindowView::OnLeftButtonUp(Window& window, std::int32_t x, std::int32_t y) {
  ctx_.view.pressed = false;
  window.Invalidate();
  Click click{*this, ctx_, window, x, y};
  Dispatch(kRelease, click);
}

}  // namespace varkel
