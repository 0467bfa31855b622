// The paint procedure on a made-up skin: which look each element ends up
// in, the texts and where they go, and what a broken skin or profile leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "unit/views/ViewRig.h"

namespace varkel::viewtest {
namespace {

std::string Rect(const SkinElement& e) {
  return std::to_string(e.x) + ' ' + std::to_string(e.y) + ' ' + std::to_string(e.width) + ' ' +
         std::to_string(e.height);
}

// The picture the element's rectangle was last copied from; "" when only the
// canvas (the normal look) shows there.
std::string FinalLook(const std::vector<std::string>& lines, const SkinElement& e) {
  const std::string tail = ' ' + Rect(e);
  std::string look;
  for (const std::string& line : lines) {
    if (line.rfind("draw copy ", 0) != 0 || line.size() < tail.size() ||
        line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
      continue;
    look = line.substr(10, line.size() - tail.size() - 10);
  }
  return look;
}

std::vector<std::string> Only(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> kept;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
               [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  return kept;
}

void SetMacroName(MacroTable& macros, int slot, std::u16string_view name) {
  auto& target = macros.macros[static_cast<std::size_t>(slot)].name;
  target.fill(u'\0');
  std::copy(name.begin(), name.end(), target.begin());
}

TEST(MainWindowPaint, RestingMainPageShowsOnlyTheStateLooks) {
  ViewRig rig;
  const auto& m = rig.skin.main;
  const std::vector<std::string> expected = {
      "draw canvas main_normal.jpg",
      "draw copy main_down.jpg " + Rect(m[65]),  // current level mark
      "draw copy dpi_slider.jpg " + Rect(m[45]),  // knob of level 0 at value 0
      "draw copy main_down.jpg " + Rect(m[27]),
      "draw copy dpi_slider.jpg " + Rect(m[50]),
      "draw copy main_down.jpg " + Rect(m[28]),
      "draw copy dpi_slider.jpg " + Rect(m[55]),
      "draw copy main_down.jpg " + Rect(m[29]),
      "draw copy dpi_slider.jpg " + Rect(m[60]),
      "draw copy main_down.jpg " + Rect(m[30]),
      "draw copy main_down.jpg " + Rect(m[32]),  // wheel option 0
      "draw copy main_down.jpg " + Rect(m[4]),   // profile 1
      "draw copy main_down.jpg " + Rect(m[9]),   // the main tab
  };
  const auto lines = rig.Paint();
  EXPECT_EQ(Only(lines, "draw c"), expected);
  EXPECT_TRUE(rig.window.Presented());
}

TEST(MainWindowPaint, EachElementEndsInTheLookItsStateGives) {
  struct Case {
    const char* name;
    std::function<void(ViewRig&)> set;
    Page page;
    const SkinElement& (*element)(const SkinLayout&);
    const char* look;  // "" for the normal look
  };
#define MAIN(i) [](const SkinLayout& s) -> const SkinElement& { return s.main[i]; }
#define COLOUR(i) [](const SkinLayout& s) -> const SkinElement& { return s.colour[i]; }
#define ADVANCED(i) [](const SkinLayout& s) -> const SkinElement& { return s.advanced[i]; }
  const auto nothing = [](ViewRig&) {};
  const Case cases[] = {
      {"another profile rests", nothing, Page::Main, MAIN(5), ""},
      {"a slot rests", nothing, Page::Main, MAIN(17), ""},
      {"wheel option 1 rests", nothing, Page::Main, MAIN(33), ""},
      {"hovered slot", [](ViewRig& r) { r.view.mainHover = 17; }, Page::Main, MAIN(17), "main_over.jpg"},
      {"pressed slot", [](ViewRig& r) { r.view.mainHover = 17; r.view.pressed = true; }, Page::Main, MAIN(17),
       "main_down.jpg"},
      {"hovered current profile stays down", [](ViewRig& r) { r.view.mainHover = 4; }, Page::Main, MAIN(4),
       "main_down.jpg"},
      {"hovered other profile", [](ViewRig& r) { r.view.mainHover = 6; }, Page::Main, MAIN(6), "main_over.jpg"},
      {"hovered tab of the page shown", [](ViewRig& r) { r.view.mainHover = 9; }, Page::Main, MAIN(9),
       "main_over.jpg"},
      {"pressed tab of the page shown", [](ViewRig& r) { r.view.mainHover = 9; r.view.pressed = true; },
       Page::Main, MAIN(9), "main_down.jpg"},
      {"current profile 3", [](ViewRig& r) { r.model.currentProfile = 3; }, Page::Main, MAIN(6), "main_down.jpg"},
      {"disabled level", [](ViewRig& r) { r.model.profile.dpiSetEnabled[2] = 0; }, Page::Main, MAIN(29), ""},
      {"wheel option 1", [](ViewRig& r) { r.model.profile.wheelStatus = 1; }, Page::Main, MAIN(33),
       "main_down.jpg"},
      {"wheel option 1 clears 0", [](ViewRig& r) { r.model.profile.wheelStatus = 1; }, Page::Main, MAIN(32), ""},
      {"current level 2", [](ViewRig& r) { r.model.profile.dpiLevel = 2; }, Page::Main, MAIN(67), "main_down.jpg"},
      {"unknown level shows level 0", [](ViewRig& r) { r.model.profile.dpiLevel = 9; }, Page::Main, MAIN(65),
       "main_down.jpg"},
      {"run button, phase set",
       [](ViewRig& r) { r.status.driverRunning = false; r.status.runButton = 3; r.status.blinkPhase = true; },
       Page::Main, MAIN(71), "main_over.jpg"},
      {"run button, phase clear",
       [](ViewRig& r) { r.status.driverRunning = false; r.status.runButton = 3; r.status.blinkPhase = false; },
       Page::Main, MAIN(71), "main_down.jpg"},
      {"no run mark while the driver runs", [](ViewRig& r) { r.status.runButton = 3; }, Page::Main, MAIN(71), ""},
      {"slots are not drawn hovered off their page", [](ViewRig& r) { r.view.mainHover = 17; }, Page::Advanced,
       MAIN(17), ""},
      {"advanced tab", nothing, Page::Advanced, MAIN(10), "advanced_down.jpg"},
      {"common elements hover on every page", [](ViewRig& r) { r.view.mainHover = 14; }, Page::Advanced,
       MAIN(14), "advanced_over.jpg"},
      {"pointer speed option", [](ViewRig& r) { r.model.profile.dpiSpeed = 9; }, Page::Advanced, ADVANCED(9),
       "advanced_down.jpg"},
      {"other pointer speed option", [](ViewRig& r) { r.model.profile.dpiSpeed = 9; }, Page::Advanced,
       ADVANCED(10), ""},
      {"macro mode", [](ViewRig& r) { r.model.profile.macroMode = 1; }, Page::Advanced, ADVANCED(7),
       "advanced_down.jpg"},
      {"repeat of the current macro",
       [](ViewRig& r) { r.macros.currentMacro = 2; r.macros.macros[2].repeatMode = 1; }, Page::Advanced,
       ADVANCED(6), "advanced_down.jpg"},
      {"repeat of another macro", [](ViewRig& r) { r.macros.macros[2].repeatMode = 1; }, Page::Advanced,
       ADVANCED(6), ""},
      {"hovered advanced element", [](ViewRig& r) { r.view.advancedHover = 11; }, Page::Advanced, ADVANCED(11),
       "advanced_over.jpg"},
      {"colour tab", nothing, Page::Colour, MAIN(11), "color_down_purple.jpg"},
      {"LED mode", [](ViewRig& r) { r.model.profile.ledStatus = 2; }, Page::Colour, COLOUR(2),
       "color_down_purple.jpg"},
      {"hovered colour hint", [](ViewRig& r) { r.view.colourHover = 4; }, Page::Colour, COLOUR(4),
       "color_over_red.jpg"},
      {"preview gray", [](ViewRig& r) { r.view.previewGray = true; r.view.previewColour = 2; }, Page::Colour,
       COLOUR(11), "color_normal_gray.jpg"},
      {"preview blue", [](ViewRig& r) { r.view.previewColour = 0; }, Page::Colour, COLOUR(11),
       "color_over_blue.jpg"},
      {"preview pink", [](ViewRig& r) { r.view.previewColour = 1; }, Page::Colour, COLOUR(11), ""},
      {"preview red", [](ViewRig& r) { r.view.previewColour = 2; }, Page::Colour, COLOUR(11),
       "color_over_red.jpg"},
      {"preview purple", [](ViewRig& r) { r.view.previewColour = 3; }, Page::Colour, COLOUR(11),
       "color_down_purple.jpg"},
  };
#undef MAIN
#undef COLOUR
#undef ADVANCED
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ViewRig rig;
    rig.view.page = c.page;
    c.set(rig);
    EXPECT_EQ(FinalLook(rig.Paint(), c.element(rig.skin)), c.look);
  }
}

TEST(MainWindowPaint, KnobIsTheSliderPictureAtItsValuePosition) {
  ViewRig rig;
  rig.skin.main[52].width = 7;  // the knob takes the size of its position
  rig.model.dpiKnob[1] = 52;
  const auto lines = rig.Paint();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "draw copy dpi_slider.jpg " + Rect(rig.skin.main[52])),
            lines.end());
  EXPECT_EQ(FinalLook(lines, rig.skin.main[50]), "");
}

TEST(MainWindowPaint, TextsTheirColoursAndPlaces) {
  struct Case {
    const char* name;
    std::function<void(ViewRig&)> set;
    std::string line;  // expected among the text lines
  };
  const Case cases[] = {
      // Wider than its element: placed at a negative offset. 5 CJK and 3 Latin units: 86 x 15.
      {"status while the driver runs", [](ViewRig&) {}, "draw text -13 2 FFFF00 驱动运行中..."},
      {"status waiting, phase set",
       [](ViewRig& r) { r.status.driverRunning = false; r.status.runButton = 3; r.status.blinkPhase = true; },
       "draw text -84 2 FFFF00 配置完成，请点击鼠标第[3]键运行驱动"},
      {"status waiting, phase clear",
       [](ViewRig& r) { r.status.driverRunning = false; r.status.runButton = 3; r.status.blinkPhase = false; },
       "draw text -84 2 FFFF00 配置完成，请点击鼠标第[ ]键运行驱动"},
      {"a common element's text", [](ViewRig&) {}, "draw text 163 2 FFFFFF m8"},
      {"a label of the main page", [](ViewRig&) {}, "draw text 60 42 FFFFFF m23"},
      // Slot of button 1 (element 17): left-aligned 5 pixels in.
      {"slot name", [](ViewRig&) {}, "draw text 145 22 FFFFFF f1"},
      {"hovered slot name", [](ViewRig& r) { r.view.mainHover = 17; }, "draw text 145 22 FF0000 f1"},
      {"a macro on a slot",
       [](ViewRig& r) { r.model.profile.buttons[0] = 41; SetMacroName(r.macros, 0, u"连发"); },
       "draw text 145 22 FFFFFF 连发"},
      {"the last named function", [](ViewRig& r) { r.model.profile.buttons[0] = 40; },
       "draw text 145 22 FFFFFF f40"},
      {"advanced element hovered", [](ViewRig& r) { r.view.page = Page::Advanced; r.view.advancedHover = 2; },
       "draw text 43 202 FF0000 a2"},
      {"record button", [](ViewRig& r) { r.view.page = Page::Advanced; }, "draw text 77 202 FFFFFF 录制"},
      {"key-down counter", [](ViewRig& r) { r.view.page = Page::Advanced; }, "draw text 80 222 FFFFFF ↓0"},
      {"key-up counter", [](ViewRig& r) { r.view.page = Page::Advanced; }, "draw text 100 222 FFFFFF ↑0"},
      {"colour texts never turn red", [](ViewRig& r) { r.view.page = Page::Colour; r.view.colourHover = 2; },
       "draw text 43 162 FFFFFF c2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ViewRig rig;
    c.set(rig);
    const auto texts = Only(rig.Paint(), "draw text");
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.line), texts.end()) << ::testing::PrintToString(texts);
  }
}

TEST(MainWindowPaint, SlotWithoutANamedFunctionPrintsNothing) {
  for (const ButtonFunction code : {0, 53, -1, 1000}) {
    ViewRig rig;
    rig.model.profile.buttons[0] = code;
    for (const std::string& line : Only(rig.Paint(), "draw text"))
      EXPECT_EQ(line.find(" 145 22 "), std::string::npos) << code << ": " << line;
  }
}

TEST(MainWindowPaint, AppliedDpiOfTheCurrentLevelAsShownOnTheColourPage) {
  const std::pair<std::uint8_t, const char*> cases[] = {{0, "3200"}, {1, "1200"}, {2, "1600"},
                                                        {3, "2000"}, {4, "2400"}, {7, "1200"}};
  for (const auto& [value, shown] : cases) {
    ViewRig rig;
    rig.view.page = Page::Colour;
    rig.model.profile.dpiLevel = 2;
    rig.model.profile.dpiSet[2] = 1;  // not applied yet: the applied value shows
    rig.model.appliedDpiSet[2] = value;
    const auto texts = Only(rig.Paint(), "draw text");
    const std::string expected = std::string("draw text 176 162 FFFFFF ").append(shown);
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << int(value);
  }
}

// Items 0-36 on the main and advanced pages, 0-27 on the colour page.
TEST(MainWindowPaint, EachPagePrintsItsRangeOfElements) {
  struct Case {
    Page page;
    std::string lastPrinted, firstNot;
  };
  const Case cases[] = {{Page::Main, " m36", " m37"}, {Page::Colour, " c10", " c11"}, {Page::Advanced, " a19", ""}};
  for (const Case& c : cases) {
    ViewRig rig;
    rig.view.page = c.page;
    const auto texts = Only(rig.Paint(), "draw text");
    const auto endsWith = [&](const std::string& tail) {
      return std::any_of(texts.begin(), texts.end(), [&](const std::string& l) {
        return l.size() >= tail.size() && l.compare(l.size() - tail.size(), tail.size(), tail) == 0;
      });
    };
    EXPECT_TRUE(endsWith(c.lastPrinted)) << c.lastPrinted;
    if (!c.firstNot.empty()) {
      EXPECT_FALSE(endsWith(c.firstNot)) << c.firstNot;
    }
  }
}

TEST(MainWindowPaint, MissingPicturesLeaveOutOnlyWhatTheyGive) {
  {
    ViewRig rig;
    rig.pictureFiles.missing = {u"main_normal.jpg"};
    EXPECT_TRUE(rig.Paint().empty());
    EXPECT_FALSE(rig.window.Presented());
  }
  {
    ViewRig rig;
    rig.pictureFiles.missing = {u"main_over.jpg", u"dpi_slider.jpg"};
    rig.view.mainHover = 17;
    const auto lines = rig.Paint();
    EXPECT_TRUE(rig.window.Presented());
    EXPECT_EQ(FinalLook(lines, rig.skin.main[17]), "");
    EXPECT_EQ(FinalLook(lines, rig.skin.main[65]), "main_down.jpg");
    EXPECT_TRUE(Only(lines, "draw copy dpi_slider").empty());
    EXPECT_FALSE(Only(lines, "draw text").empty());
  }
}

// A damaged config.ini or layout: indices past the tables and rectangles far
// off the window draw nothing wrong and never reach outside a table.
TEST(MainWindowPaint, HostileValuesStayInsideTheTablesAndTheCanvas) {
  for (const Page page : {Page::Main, Page::Advanced, Page::Colour}) {
    ViewRig rig;
    rig.view.page = page;
    rig.model.dpiKnob = {300, -1, 79, 45};
    rig.status.driverRunning = false;
    rig.status.runButton = 50;
    rig.model.profile.ledStatus = 200;
    rig.model.profile.dpiSpeed = 200;
    rig.model.profile.dpiLevel = -7;
    rig.model.currentProfile = 1000;
    rig.model.profile.buttons = {52, 41, 99, -5, 0, 40};
    rig.macros.currentMacro = 77;
    rig.view.mainHover = 500;
    rig.view.colourHover = -3;
    rig.view.advancedHover = 20;
    rig.view.previewColour = 9;
    rig.skin.main[4] = {INT32_MAX - 5, INT32_MIN, INT32_MAX, INT32_MAX, u"x"};
    rig.skin.main[9] = {-50, -50, 1000, 1000, u"y"};
    for (const std::string& line : rig.Paint()) {
      const bool known = line.rfind("draw copy ", 0) == 0 || line.rfind("draw text ", 0) == 0 ||
                         line.rfind("draw canvas ", 0) == 0;
      EXPECT_TRUE(known) << line;
    }
    EXPECT_TRUE(rig.window.Presented());
  }
}

TEST(MainWindowPaint, MinimisedWindowShowsOnlyTheIconInTheMiddle) {
  ViewRig rig;
  rig.window.SetMinimized(true);
  EXPECT_EQ(rig.Paint(), std::vector<std::string>{"draw icon 84 104"});  // (200 - 32 + 1) / 2, (240 - 32 + 1) / 2
}

TEST(MainWindowPaint, PopupAskedToCloseIsClosedByThePaint) {
  ViewRig rig;
  rig.view.closePopupOnPaint = true;
  rig.Paint();
  EXPECT_FALSE(rig.view.closePopupOnPaint);
}

TEST(MainWindowPaint, PicturesAreDecodedOnceAndAMissingOneIsRemembered) {
  ViewRig rig;
  rig.pictureFiles.missing = {u"main_over.jpg"};
  rig.Paint();
  rig.Paint();
  EXPECT_EQ(rig.pictureFiles.loads.at(u"C:\\app\\skins\\main_normal.jpg"), 1);
  EXPECT_EQ(rig.pictureFiles.loads.at(u"C:\\app\\skins\\main_over.jpg"), 1);
}

TEST(PictureCache, WithoutKeepingEveryPaintDecodesAgain) {
  FakePictures files;
  PictureCache cache(files, false);
  const std::u16string path = u"C:\\app\\skins\\main_normal.jpg";
  for (int paint = 0; paint < 2; ++paint) {
    EXPECT_NE(cache.Get(path), nullptr);
    EXPECT_EQ(cache.Get(path), cache.Get(path));  // one picture within a paint
    cache.EndOfPaint();
  }
  EXPECT_EQ(files.loads.at(path), 2);
}

// The picture the window shows: page pictures copied pixel for pixel.
TEST(MainWindowPaint, PixelsOfTheComposedPicture) {
  ViewRig rig;
  rig.view.mainHover = 17;
  rig.views.Paint(rig.window);
  const Bitmap& shown = rig.window.LastPicture();
  ASSERT_EQ(shown.Width(), 200);
  ASSERT_EQ(shown.Height(), 240);
  const auto at = [&](const SkinElement& e) { return shown.At(e.x + 3, e.y + 3); };
  EXPECT_EQ(at(rig.skin.main[17]), FakePictures::ColourOf(u"main_over.jpg"));
  EXPECT_EQ(at(rig.skin.main[4]), FakePictures::ColourOf(u"main_down.jpg"));
  EXPECT_EQ(at(rig.skin.main[45]), FakePictures::ColourOf(u"dpi_slider.jpg"));
  EXPECT_EQ(at(rig.skin.main[18]), FakePictures::ColourOf(u"main_normal.jpg"));
}

}  // namespace
}  // namespace varkel::viewtest
