// Hit testing, hover and press states, what each click does on each page,
// page switching and its repaints.
#include <gtest/gtest.h>

#include <functional>

#include "config/ProfileStore.h"
#include "platform/Messages.h"
#include "unit/views/ViewRig.h"
#include "views/HitTest.h"

namespace varkel::viewtest {
namespace {

TEST(HitTest, EdgesOverlapsAndTheTestedRange) {
  const SkinElement table[] = {
      {10, 10, 20, 10, u""},           // 0: x 10-29, y 10-19
      {15, 15, 30, 30, u""},           // 1: overlaps 0
      {100, 100, 0, 5, u""},           // 2: empty
      {INT32_MAX - 1, 0, 10, 10, u""}, // 3: right edge beyond the 32-bit range
      {-20, -20, 10, 10, u""},         // 4: negative
  };
  struct Case {
    const char* name;
    int last;
    std::int32_t x, y;
    int hit;
  };
  const Case cases[] = {
      {"left and top edges are inside", 4, 10, 10, 0},
      {"right edge is outside", 4, 30, 12, kNoElement},
      {"bottom edge is outside", 4, 12, 20, kNoElement},
      {"last pixel is inside", 4, 29, 19, 0},
      {"overlap: the lower index wins", 4, 20, 16, 0},
      {"only the higher one", 4, 40, 40, 1},
      {"beyond the tested range", 0, 40, 40, kNoElement},
      {"an empty element holds nothing", 4, 100, 100, kNoElement},
      {"a rectangle at the end of the range", 4, INT32_MAX - 1, 5, 3},
      {"a negative rectangle", 4, -15, -11, 4},
      {"nothing there", 4, 500, 500, kNoElement},
  };
  for (const Case& c : cases) EXPECT_EQ(HitTest(table, c.last, c.x, c.y), c.hit) << c.name;
}

TEST(Pointer, EachTableIsTestedOnEveryPageWithinItsRange) {
  struct Case {
    const char* name;
    Page page;
    std::function<ViewRig::Point(const ViewRig&)> at;
    int main, colour, advanced;
  };
  const Case cases[] = {
      {"DPI value on the main page", Page::Main, [](const ViewRig& r) { return r.Main(64); }, 64, kNoElement,
       kNoElement},
      {"unused element on the main page", Page::Main, [](const ViewRig& r) { return r.Main(65); }, kNoElement,
       kNoElement, kNoElement},
      {"slot off the main page", Page::Advanced, [](const ViewRig& r) { return r.Main(17); }, kNoElement,
       kNoElement, kNoElement},
      {"common element off the main page", Page::Colour, [](const ViewRig& r) { return r.Main(16); }, 16,
       kNoElement, kNoElement},
      {"colour hint", Page::Colour, [](const ViewRig& r) { return r.Colour(4); }, kNoElement, 4, kNoElement},
      {"LED preview is not tested", Page::Colour, [](const ViewRig& r) { return r.Colour(11); }, kNoElement,
       kNoElement, kNoElement},
      {"colour table on the main page too", Page::Main, [](const ViewRig& r) { return r.Colour(2); },
       kNoElement, 2, kNoElement},
      {"advanced hint", Page::Advanced, [](const ViewRig& r) { return r.Advanced(11); }, kNoElement,
       kNoElement, 11},
      {"advanced label is not tested", Page::Advanced, [](const ViewRig& r) { return r.Advanced(12); },
       kNoElement, kNoElement, kNoElement},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ViewRig rig;
    rig.view.page = c.page;
    rig.Move(c.at(rig));
    EXPECT_EQ(rig.view.mainHover, c.main);
    EXPECT_EQ(rig.view.colourHover, c.colour);
    EXPECT_EQ(rig.view.advancedHover, c.advanced);
  }
}

TEST(Pointer, EachChangedHoverRepaintsAndUpdatesAtOnce) {
  ViewRig rig;
  rig.skin.colour[0] = rig.skin.main[17];  // one spot, two tables
  rig.Move(rig.Main(17));
  EXPECT_EQ(rig.window.Invalidations().size(), 2u);
  EXPECT_EQ(rig.window.Updates(), 2);

  rig.window.ForgetInvalidations();
  rig.Move({rig.Main(17).x + 1, rig.Main(17).y});  // still over the same elements
  EXPECT_TRUE(rig.window.Invalidations().empty());

  rig.Move(rig.Main(18));
  ASSERT_EQ(rig.window.Invalidations().size(), 2u);
  EXPECT_FALSE(rig.window.Invalidations()[0].has_value());  // the whole window
}

TEST(Pointer, OnTheAdvancedPageHoverRepaintsLeaveTheChildControlsOut) {
  ViewRig rig;
  rig.view.page = Page::Advanced;
  rig.Move(rig.Advanced(3));
  ASSERT_EQ(rig.window.Invalidations().size(), 1u);
  EXPECT_EQ(rig.window.Invalidations()[0], rig.regions.advancedRepaint);
  EXPECT_EQ(rig.window.Updates(), 1);
}

TEST(Pointer, PressOverAnElementShowsItPressedUntilTheRelease) {
  ViewRig rig;
  rig.Move(rig.Main(5));
  rig.window.ForgetInvalidations();
  rig.Down(rig.Main(5));
  EXPECT_TRUE(rig.view.pressed);
  EXPECT_EQ(rig.window.Invalidations().size(), 1u);
  rig.Up(rig.Main(5));
  EXPECT_FALSE(rig.view.pressed);

  ViewRig empty;
  empty.Move({199, 239});
  empty.Down({199, 239});
  EXPECT_FALSE(empty.view.pressed);
}

// What a press does, by page and element; `check` looks at the rig after.
struct PressCase {
  const char* name;
  Page page;
  std::function<ViewRig::Point(const ViewRig&)> at;
  std::function<void(ViewRig&)> check;
};

void RunPresses(const std::vector<PressCase>& cases) {
  for (const PressCase& c : cases) {
    SCOPED_TRACE(c.name);
    ViewRig rig;
    rig.view.page = c.page;
    const ViewRig::Point p = c.at(rig);
    rig.Move(p);
    rig.Down(p);
    c.check(rig);
  }
}

void ExpectDrag(ViewRig& rig, ViewRig::Point p) {
  ASSERT_EQ(rig.window.Posted().size(), 1u);
  const WindowMessage& m = rig.window.Posted()[0];
  EXPECT_EQ(m.id, msg::kNcLeftButtonDown);
  EXPECT_EQ(m.wParam, msg::kHitCaption);
  EXPECT_EQ(m.lParam, msg::PointParam(p.x, p.y));
}

std::u16string& ConfigKey(ViewRig& rig, std::u16string section, std::u16string key) {
  return rig.ini.values[{rig.paths.configPath, std::move(section), std::move(key)}];
}

void ExpectNothingHappened(ViewRig& rig) {
  EXPECT_TRUE(rig.window.Posted().empty());
  EXPECT_TRUE(rig.ini.writes.empty());
  const MouseProfile& p = rig.model.profile;
  EXPECT_EQ(p.dpiSpeed, 10);
  EXPECT_EQ(p.macroMode, 0);
  EXPECT_EQ(p.ledStatus, 0);
  EXPECT_EQ(p.wheelStatus, 0);
}

TEST(Pointer, PressesOnTheMainPage) {
  RunPresses({
      {"save", Page::Main, [](const ViewRig& r) { return r.Main(0); },
       [](ViewRig& r) {
         EXPECT_EQ(ConfigKey(r, u"Config1", u"DPI_SPEED"), u"10");
         EXPECT_EQ(r.repaint.count, 1);
       }},
      {"advanced tab", Page::Main, [](const ViewRig& r) { return r.Main(10); },
       [](ViewRig& r) { EXPECT_EQ(r.view.page, Page::Advanced); }},
      {"colour tab", Page::Main, [](const ViewRig& r) { return r.Main(11); },
       [](ViewRig& r) { EXPECT_EQ(r.view.page, Page::Colour); }},
      {"tab of the page shown", Page::Main, [](const ViewRig& r) { return r.Main(9); },
       [](ViewRig& r) {
         EXPECT_EQ(r.view.page, Page::Main);
         EXPECT_FALSE(r.status.blinkerAlive);
       }},
      {"level switch", Page::Main, [](const ViewRig& r) { return r.Main(28); },
       [](ViewRig& r) { EXPECT_EQ(r.model.profile.dpiSetEnabled[1], 0); }},
      {"wheel option 1", Page::Main, [](const ViewRig& r) { return r.Main(33); },
       [](ViewRig& r) { EXPECT_EQ(r.model.profile.wheelStatus, 1); }},
      {"level selector", Page::Main, [](const ViewRig& r) { return r.Main(44); },
       [](ViewRig& r) { EXPECT_EQ(r.model.profile.dpiLevel, 3); }},
      {"DPI value", Page::Main, [](const ViewRig& r) { return r.Main(58); },
       [](ViewRig& r) {
         EXPECT_EQ(r.model.profile.dpiSet[2], 3);
         EXPECT_EQ(r.model.dpiKnob[2], 58);
       }},
      {"a label does nothing", Page::Main, [](const ViewRig& r) { return r.Main(23); }, ExpectNothingHappened},
      {"nothing there moves the window", Page::Main, [](const ViewRig&) { return ViewRig::Point{199, 239}; },
       [](ViewRig& r) { ExpectDrag(r, {199, 239}); }},
      {"a colour-table spot on the main page also moves it", Page::Main,
       [](const ViewRig& r) { return r.Colour(1); },
       [](ViewRig& r) {
         ExpectDrag(r, r.Colour(1));
         EXPECT_TRUE(r.view.pressed);
       }},
  });
}

TEST(Pointer, PressesOnTheAdvancedPage) {
  RunPresses({
      {"main tab", Page::Advanced, [](const ViewRig& r) { return r.Main(9); },
       [](ViewRig& r) { EXPECT_EQ(r.view.page, Page::Main); }},
      {"colour tab", Page::Advanced, [](const ViewRig& r) { return r.Main(11); },
       [](ViewRig& r) { EXPECT_EQ(r.view.page, Page::Colour); }},
      {"macro mode", Page::Advanced, [](const ViewRig& r) { return r.Advanced(7); },
       [](ViewRig& r) { EXPECT_EQ(r.model.profile.macroMode, 1); }},
      {"pointer speed", Page::Advanced, [](const ViewRig& r) { return r.Advanced(8); },
       [](ViewRig& r) { EXPECT_EQ(r.model.profile.dpiSpeed, 8); }},
      {"save reacts only on the main page", Page::Advanced, [](const ViewRig& r) { return r.Main(0); },
       ExpectNothingHappened},
      {"the hint does nothing", Page::Advanced, [](const ViewRig& r) { return r.Advanced(11); },
       ExpectNothingHappened},
      {"a slot's place moves the window", Page::Advanced, [](const ViewRig& r) { return r.Main(17); },
       [](ViewRig& r) { ExpectDrag(r, r.Main(17)); }},
  });
  ViewRig rig;
  rig.view.page = Page::Advanced;
  rig.Tap(rig.Advanced(7));
  rig.Tap(rig.Advanced(7));
  EXPECT_EQ(rig.model.profile.macroMode, 0);
}

TEST(Pointer, PressesOnTheColourPage) {
  RunPresses({
      {"main tab", Page::Colour, [](const ViewRig& r) { return r.Main(9); },
       [](ViewRig& r) { EXPECT_EQ(r.view.page, Page::Main); }},
      {"advanced tab", Page::Colour, [](const ViewRig& r) { return r.Main(10); },
       [](ViewRig& r) { EXPECT_EQ(r.view.page, Page::Advanced); }},
      {"LED mode", Page::Colour, [](const ViewRig& r) { return r.Colour(3); },
       [](ViewRig& r) { EXPECT_EQ(r.model.profile.ledStatus, 3); }},
      {"the hint does nothing", Page::Colour, [](const ViewRig& r) { return r.Colour(4); },
       ExpectNothingHappened},
      {"the LED preview moves the window", Page::Colour, [](const ViewRig& r) { return r.Colour(11); },
       [](ViewRig& r) { ExpectDrag(r, r.Colour(11)); }},
  });
}

TEST(Pointer, ReleasesActOnTheElementUnderThePointer) {
  {
    SCOPED_TRACE("profile button: loaded, nothing sent");
    ViewRig rig;
    ConfigKey(rig, u"Config3", u"WHEEL_STATUS") = u"1";
    rig.Tap(rig.Main(6));
    EXPECT_EQ(rig.model.currentProfile, 3);
    EXPECT_EQ(rig.model.profile.wheelStatus, 1);
  }
  {
    SCOPED_TRACE("moved off the profile button before the release");
    ViewRig rig;
    rig.Move(rig.Main(6));
    rig.Down(rig.Main(6));
    rig.Move(rig.Main(23));
    rig.Up(rig.Main(23));
    EXPECT_EQ(rig.model.currentProfile, 1);
  }
  {
    SCOPED_TRACE("apply stores the last applied configuration");
    ViewRig rig;
    rig.Tap(rig.Main(3));
    EXPECT_EQ(ConfigKey(rig, u"Config6", u"DPI_SPEED"), u"10");
  }
  {
    SCOPED_TRACE("minimise posts the system command");
    ViewRig rig;
    rig.Tap(rig.Main(12));
    EXPECT_EQ(rig.view.mainHover, kNoElement);
    ASSERT_EQ(rig.window.Posted().size(), 1u);
    EXPECT_EQ(rig.window.Posted()[0].id, msg::kSysCommand);
    EXPECT_EQ(rig.window.Posted()[0].wParam, syscommand::kMinimize);
    EXPECT_EQ(rig.window.Posted()[0].lParam, msg::PointParam(rig.Main(12).x, rig.Main(12).y));
  }
  {
    SCOPED_TRACE("close goes back to the applied configuration, keeping the DPI level");
    ViewRig rig;
    ConfigKey(rig, u"Config6", u"WHEEL_STATUS") = u"1";
    ConfigKey(rig, u"Config6", u"DPI_LEVEL") = u"0";
    rig.model.profile.dpiLevel = 2;
    rig.model.profile.macroMode = 1;  // an edit not applied
    rig.Tap(rig.Main(2));
    EXPECT_EQ(rig.view.mainHover, kNoElement);
    EXPECT_EQ(rig.model.profile.wheelStatus, 1);
    EXPECT_EQ(rig.model.profile.macroMode, 0);
    EXPECT_EQ(rig.model.profile.dpiLevel, 2);
    EXPECT_EQ(ConfigKey(rig, u"Config6", u"DPI_LEVEL"), u"2");
  }
  {
    SCOPED_TRACE("hide forgets the hover");
    ViewRig rig;
    rig.Tap(rig.Main(13));
    EXPECT_EQ(rig.view.mainHover, kNoElement);
  }
}

TEST(Pointer, PressOnTheMainPageClosesAnOpenFunctionPopup) {
  ViewRig rig;
  rig.view.popupOpen = true;
  rig.Tap(rig.Main(23));
  EXPECT_FALSE(rig.view.popupOpen);
}

TEST(PageSwitching, RepaintsAndThreadsOfEachPage) {
  ViewRig rig;
  rig.Tap(rig.Main(10));
  ASSERT_EQ(rig.view.page, Page::Advanced);
  // The hover's and the press's own repaints, then the advanced region.
  const auto& shown = rig.window.Invalidations();
  ASSERT_GE(shown.size(), 3u);
  EXPECT_EQ(shown[2], rig.regions.advancedRepaint);
  EXPECT_EQ(rig.window.Updates(), 3);  // the hover's, and two after the controls

  rig.Tap(rig.Main(11));
  rig.world.Settle();
  EXPECT_EQ(rig.view.page, Page::Colour);
  EXPECT_TRUE(rig.view.previewAlive);

  rig.Tap(rig.Main(9));
  rig.world.Settle();
  EXPECT_EQ(rig.view.page, Page::Main);
  // The driver runs, so the blinker ends at once and sets its phase.
  EXPECT_FALSE(rig.status.blinkerAlive);
  EXPECT_TRUE(rig.status.blinkPhase);
}

}  // namespace
}  // namespace varkel::viewtest
