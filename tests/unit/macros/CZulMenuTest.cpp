#include "macros/CZulMenu.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/ResourceIds.h"
#include "platform/sim/SimMenus.h"

namespace varkel {
namespace {

using sim::SimMenu;
using Strings = std::vector<std::string>;

std::string Show(Rgb c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}
std::string Show(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

// Keeps each drawing call as one line.
class RecordingCanvas final : public Canvas {
 public:
  Extent Size() const override { return {200, 200}; }
  void DrawBackground(const Picture&) override { calls.push_back("background"); }
  void Copy(const Picture&, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
            std::int32_t) override {
    calls.push_back("copy");
  }
  void SelectFont(std::u16string_view, std::int32_t) override { calls.push_back("font"); }
  void SetTransparentText() override { calls.push_back("transparent"); }
  Extent MeasureText(std::u16string_view) override { return {}; }
  void DrawTextAt(std::int32_t, std::int32_t, Rgb, std::u16string_view) override { calls.push_back("text at"); }
  Extent IconSize() const override { return {}; }
  void DrawIcon(std::int32_t, std::int32_t) override { calls.push_back("icon"); }
  void FillRect(const Rect& r, Rgb c) override { calls.push_back("fill " + Show(r) + " " + Show(c)); }
  void DrawEdges3d(const Rect& r, Rgb topLeft, Rgb bottomRight) override {
    calls.push_back("edges " + Show(r) + " " + Show(topLeft) + " " + Show(bottomRight));
  }
  void DrawRectangle(const Rect& r) override { calls.push_back("rectangle " + Show(r)); }
  void DrawHorizontalLine(std::int32_t left, std::int32_t right, std::int32_t y, Rgb c) override {
    calls.push_back("line " + std::to_string(left) + "-" + std::to_string(right) + " y" + std::to_string(y) + " " +
                    Show(c));
  }
  void DrawTextLine(const Rect& r, Rgb c, std::u16string_view text) override {
    calls.push_back("text " + Show(r) + " " + Show(c) + " " + std::to_string(text.size()));
  }
  Strings calls;
};

// Menu 157 as the resource script has it.
std::vector<SimMenu::Item> TrayMenu() {
  return {SimMenu::Popup(u"Menu_Tray", {SimMenu::Command(u"显示界面   ", ID_TRAY_SHOW),
                                        SimMenu::Command(u"退出驱动", ID_TRAY_QUIT)})};
}

// Two levels of sub-menus and a separator.
std::vector<SimMenu::Item> NestedMenu() {
  return {SimMenu::Popup(u"top", {SimMenu::Popup(u"sub", {SimMenu::Command(u"a", 11), SimMenu::Command(u"bb", 12)}),
                                  SimMenu::Separator(), SimMenu::Command(u"ccc", 13)})};
}

struct LoadedMenu {
  explicit LoadedMenu(std::vector<SimMenu::Item> items) {
    menus.Define(1, std::move(items));
    EXPECT_TRUE(menu.Load(menus, 1));
    menu.MakeOwnerDraw();
  }
  SimMenu& Sim() { return *menus.Loaded().back(); }
  std::uintptr_t Data(int record) const {
    return reinterpret_cast<std::uintptr_t>(&menu.Items()[static_cast<std::size_t>(record)]);
  }
  sim::SimMenus menus;
  CZulMenu menu;
};

TEST(CZulMenu, EveryItemDepthFirstGetsItsRecordAsItemData) {
  LoadedMenu nested(NestedMenu());
  const auto items = nested.menu.Items();
  Strings seen;
  for (const auto& item : items) seen.push_back(std::to_string(item.id) + ":" + std::to_string(item.text.size()));
  EXPECT_EQ(seen, (Strings{"-1:3", "-1:3", "11:1", "12:2", "0:0", "13:3"}));

  const SimMenu& top = nested.Sim();
  const SimMenu* popup = top.SubMenuAt(0);
  ASSERT_NE(popup, nullptr);
  const SimMenu* sub = popup->SubMenuAt(0);
  ASSERT_NE(sub, nullptr);
  const std::pair<const SimMenu*, int> places[] = {{&top, 0}, {popup, 0}, {sub, 0}, {sub, 1}, {popup, 1}, {popup, 2}};
  for (int record = 0; record < 6; ++record) {
    SCOPED_TRACE(record);
    EXPECT_TRUE(places[record].first->IsOwnerDrawn(places[record].second));
    EXPECT_EQ(places[record].first->ItemData(places[record].second), nested.Data(record));
    EXPECT_TRUE(nested.menu.Owns(nested.Data(record)));
  }

  // The tray menu's three records; converting again gives the same ones.
  LoadedMenu tray(TrayMenu());
  tray.menu.MakeOwnerDraw();
  ASSERT_EQ(tray.menu.Items().size(), 3u);
  EXPECT_EQ(tray.menu.Items()[1].text, u"显示界面   ");
  EXPECT_EQ(tray.menu.Items()[1].id, ID_TRAY_SHOW);
  EXPECT_EQ(tray.menu.Items()[2].id, ID_TRAY_QUIT);
}

TEST(CZulMenu, MoreThanThirtyItemsStopAtTheLastRecord) {
  std::vector<SimMenu::Item> many;
  for (int i = 0; i < 20; ++i) many.push_back(SimMenu::Command(u"x", 100 + i));
  std::vector<SimMenu::Item> more;
  for (int i = 0; i < 20; ++i) more.push_back(SimMenu::Command(u"y", 200 + i));
  many.push_back(SimMenu::Popup(u"more", more));  // record 21 of 41
  LoadedMenu big(many);

  ASSERT_EQ(big.menu.Items().size(), 30u);
  EXPECT_EQ(big.menu.Items()[29].id, 208);
  const SimMenu* sub = big.Sim().SubMenuAt(20);
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->IsOwnerDrawn(8));
  EXPECT_FALSE(sub->IsOwnerDrawn(9));  // the system draws the rest
  EXPECT_FALSE(sub->IsOwnerDrawn(19));
}

TEST(CZulMenu, MeasuresEightPixelsACharacterAndTwentyHigh) {
  LoadedMenu nested(NestedMenu());
  EXPECT_EQ(nested.menu.MeasureItem(nested.Data(3)), (Extent{16, 20}));  // "bb"
  EXPECT_EQ(nested.menu.MeasureItem(nested.Data(4)), (Extent{0, 1}));    // separator
  LoadedMenu tray(TrayMenu());
  EXPECT_EQ(tray.menu.MeasureItem(tray.Data(1)), (Extent{56, 20}));  // "显示界面   ": 7 characters
  EXPECT_EQ(tray.menu.MeasureItem(tray.Data(2)), (Extent{32, 20}));

  // Item data of another menu, or none, is not measured or drawn.
  EXPECT_EQ(tray.menu.MeasureItem(nested.Data(3)), std::nullopt);
  EXPECT_EQ(tray.menu.MeasureItem(0), std::nullopt);
  EXPECT_FALSE(tray.menu.Owns(nested.Data(0)));
  RecordingCanvas canvas;
  tray.menu.DrawItem(canvas, {nested.Data(3), {0, 0, 80, 20}, false});
  tray.menu.DrawItem(canvas, {0, {0, 0, 80, 20}, true});
  EXPECT_TRUE(canvas.calls.empty());
}

TEST(CZulMenu, DrawsItemsInTheProgramsColours) {
  LoadedMenu nested(NestedMenu());
  const Rect item{0, 40, 100, 60};
  struct Case {
    const char* name;
    int record;
    bool selected;
    Strings calls;
  };
  Strings selected{"transparent", "rectangle 0,40-100,60"};
  for (int row = 0; row < 18; ++row)
    selected.push_back("line 1-99 y" + std::to_string(41 + row) + " 0," + std::to_string(14 * row) + ",255");
  selected.push_back("text 10,40-100,60 255,255,255 3");
  const Case cases[] = {
      {"command", 5, false, {"transparent", "fill 0,40-100,60 0,120,153", "text 10,40-100,60 255,255,255 3"}},
      {"sub-menu item", 1, false, {"transparent", "fill 0,40-100,60 0,120,153", "text 10,40-100,60 255,255,255 3"}},
      {"separator", 4, false, {"transparent", "edges 25,40-100,60 255,0,0 0,0,255"}},
      {"selected separator", 4, true, {"transparent", "edges 25,40-100,60 255,0,0 0,0,255"}},
      {"selected command", 5, true, selected},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    nested.menu.DrawItem(canvas, {nested.Data(c.record), item, c.selected});
    EXPECT_EQ(canvas.calls, c.calls);
  }
}

TEST(CZulMenu, GradientStepsFitTheItemsHeight) {
  LoadedMenu nested(NestedMenu());
  struct Case {
    std::int32_t height;
    std::size_t lines;
    std::string last;  // the bottom row
  };
  const Case cases[] = {
      {20, 18, "line 1-49 y18 0,238,255"},  // 255 / 18 = 14 a row
      {8, 6, "line 1-49 y6 0,210,255"},     // 42 a row
      {300, 298, "line 1-49 y298 0,0,255"},  // 255 / 298 = 0: no change
      {3, 1, "line 1-49 y1 0,0,255"},
      {2, 0, ""},  // no room inside the outline
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    RecordingCanvas canvas;
    nested.menu.DrawItem(canvas, {nested.Data(5), {0, 0, 50, c.height}, true});
    Strings lines;
    for (const auto& call : canvas.calls)
      if (call.rfind("line", 0) == 0) lines.push_back(call);
    ASSERT_EQ(lines.size(), c.lines);
    if (!lines.empty()) {
      EXPECT_EQ(lines.back(), c.last);
    }
  }
}

TEST(CZulMenu, OpensTheFirstPopupWhereAskedAndNothingWithoutAMenu) {
  LoadedMenu tray(TrayMenu());
  tray.menu.OpenSubMenu(0, {130, 140}, 7, MenuTracking::LeftButton);
  const auto& popups = tray.Sim().SubMenuAt(0)->Popups();
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_EQ(popups[0].at, (ScreenPoint{130, 140}));
  EXPECT_EQ(popups[0].owner, 7u);
  EXPECT_EQ(popups[0].tracking, MenuTracking::LeftButton);
  tray.menu.OpenSubMenu(1, {0, 0}, 7, MenuTracking::LeftButton);  // no such popup
  EXPECT_EQ(popups.size(), 1u);

  sim::SimMenus none;
  CZulMenu missing;
  EXPECT_FALSE(missing.Load(none, IDR_TRAY_MENU));
  missing.MakeOwnerDraw();
  missing.OpenSubMenu(0, {0, 0}, 7, MenuTracking::LeftButton);
  EXPECT_TRUE(missing.Items().empty());
}

}  // namespace
}  // namespace varkel
