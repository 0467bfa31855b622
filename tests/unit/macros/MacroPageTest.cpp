#include <gtest/gtest.h>

#include "macros/EventTexts.h"
#include "macros/MacroFile.h"
#include "unit/macros/MacroPageRig.h"

namespace varkel::macrotest {
namespace {

using Lines = std::vector<std::u16string>;

struct MacroPageTest : MacroPageRig {};

TEST_F(MacroPageTest, ControlsAreMadeAndDestroyedInOrderWithTheSkinsPlaces) {
  std::vector<std::string> seen;
  controls.onCreateOrDestroy = [&seen](const sim::SimNode& node, bool created) {
    seen.push_back((created ? "create " : "destroy ") + std::to_string(node.Setup().controlId));
  };
  page.CreateControls(kMain);
  EXPECT_TRUE(page.ControlsExist());
  const std::uint32_t edit = style::kChild | style::kVisible | style::kEditCentre | style::kEditWantReturn;
  const std::uint32_t list = style::kChild | style::kVisible | style::kVerticalScroll | style::kListNotify;
  EXPECT_EQ(RepeatBox().Setup().style, edit);
  EXPECT_EQ(NameBox().Setup().style, edit);
  EXPECT_EQ(MacroList().Setup().style, list);
  EXPECT_EQ(EventList().Setup().style, list);
  EXPECT_EQ(NameBox().Setup().place, (Rect{300, 10, 420, 30}));
  EXPECT_EQ(RepeatBox().Setup().place, (Rect{300, 40, 360, 60}));
  EXPECT_EQ(MacroList().Setup().place, (Rect{20, 10, 170, 210}));
  EXPECT_EQ(EventList().Setup().place, (Rect{200, 80, 380, 240}));
  EXPECT_EQ(NameBox().Parent(), kMain);
  page.DestroyControls();
  EXPECT_FALSE(page.ControlsExist());
  EXPECT_EQ(seen, (std::vector<std::string>{"create 10004", "create 10000", "create 10001", "create 10002",
                                            "destroy 10004", "destroy 10000", "destroy 10001", "destroy 10002"}));
}

TEST_F(MacroPageTest, ListingSelectsTheCurrentMacroAndShowsItsSteps) {
  Load({MakeMacro(u"one"), MakeMacro(u"two"), MakeMacro(u"three", {Press(65, 120), Release(65, 30)})});
  ShowPage();
  EXPECT_EQ(MacroList().Lines(), (Lines{u"one", u"two", u"three"}));
  EXPECT_EQ(MacroList().SelectedLine(), 2);
  EXPECT_EQ(NameBox().Text(), u"three");
  // The last step's own delay is not shown.
  EXPECT_EQ(EventLines(), (Lines{u"[↓]A", u"    120ms", u"[↑]A"}));
  EXPECT_EQ(page.State().listedPresses, 1);
  EXPECT_EQ(page.State().listedReleases, 1);
  EXPECT_EQ(RepeatBox().Text(), u"1");
  EXPECT_FALSE(RepeatBox().IsEnabled());
}

TEST_F(MacroPageTest, ACurrentMacroBeyondTheListIsLoweredToItsLastLine) {
  Load({MakeMacro(u"one"), MakeMacro(u"two")});
  table.currentMacro = 7;
  ShowPage();
  EXPECT_EQ(table.currentMacro, 1);
  EXPECT_EQ(MacroList().SelectedLine(), 1);
}

TEST_F(MacroPageTest, TheRepeatBoxFollowsTheSelectedMacrosRepeatMode) {
  Macro repeating = MakeMacro(u"rep", {Press(66)});
  repeating.repeatMode = 1;
  repeating.repeatCount = 65535;
  Macro once = MakeMacro(u"once", {Press(67)});
  once.repeatCount = 500;  // not shown while it plays once
  Load({repeating, once, MakeMacro(u"empty")});
  ShowPage();

  const struct {
    int line;
    std::u16string text;
    bool enabled;
  } cases[] = {{0, u"65535", true}, {1, u"1", false}, {0, u"65535", true}, {2, u"65535", true}};
  for (const auto& c : cases) {
    MacroList().UserSelect(c.line);
    EXPECT_EQ(table.currentMacro, c.line);
    EXPECT_EQ(RepeatBox().Text(), c.text) << c.line;
    EXPECT_EQ(RepeatBox().IsEnabled(), c.enabled) << c.line;
  }
  // A macro without steps leaves the list and counters empty.
  EXPECT_TRUE(EventLines().empty());
  EXPECT_EQ(page.State().listedPresses, 0);
  EXPECT_EQ(NameBox().Text(), u"empty");
}

TEST_F(MacroPageTest, ThePageComesBackWithItsControlsRefilled) {
  Load({MakeMacro(u"one", {Press(65)}), MakeMacro(u"two")});
  ShowPage();
  MacroList().UserSelect(0);
  page.DestroyControls();
  EXPECT_EQ(controls.FindListBox(kMacroListId), nullptr);
  ShowPage();
  EXPECT_EQ(MacroList().Lines(), (Lines{u"one", u"two"}));
  EXPECT_EQ(MacroList().SelectedLine(), 0);
  EXPECT_EQ(EventLines(), (Lines{u"[↓]A"}));
}

TEST_F(MacroPageTest, WithoutControlsEveryOperationIsHarmless) {
  Load({MakeMacro(u"one", {Press(65)})});
  page.ShowMacroList();
  page.SelectMacro();
  page.AddMacro();
  page.DeleteMacro();
  page.ToggleRecording();
  page.RefreshShownList();
  EXPECT_FALSE(page.PreTranslate({kMain, msg::kRightButtonUp, 0, 0}));
  EXPECT_TRUE(menuShownAt.empty());
  EXPECT_EQ(table.macroCount, 1);
  EXPECT_FALSE(page.State().recording);
}

TEST_F(MacroPageTest, AddingAppendsANewMacroWithTheTypedName) {
  Load({MakeMacro(u"one", {Press(65), Release(65)})});
  ShowPage();
  TypeInto(NameBox(), u"two");
  page.AddMacro();
  EXPECT_EQ(table.macroCount, 2);
  EXPECT_EQ(table.macros[1], MakeMacro(u"two"));
  EXPECT_EQ(table.currentMacro, 1);
  EXPECT_EQ(MacroList().Lines(), (Lines{u"one", u"two"}));
  EXPECT_EQ(MacroList().SelectedLine(), 1);
  EXPECT_EQ(controls.Focused(), MacroList().Id());
  // The emptied list shows no counts of the macro before.
  EXPECT_TRUE(EventLines().empty());
  EXPECT_EQ(page.State().listedPresses, 0);
  EXPECT_EQ(page.State().listedReleases, 0);
}

TEST_F(MacroPageTest, AddingAnExistingNameSelectsThatMacroCaseSensitively) {
  Load({MakeMacro(u"Jump", {Press(74)}), MakeMacro(u"run")});
  ShowPage();
  TypeInto(NameBox(), u"Jump");
  page.AddMacro();
  EXPECT_EQ(table.macroCount, 2);
  EXPECT_EQ(table.currentMacro, 0);
  EXPECT_EQ(MacroList().SelectedLine(), 0);
  EXPECT_EQ(EventLines(), (Lines{u"[↓]J"}));  // shown as the person's own selection would

  TypeInto(NameBox(), u"jump");
  page.AddMacro();
  EXPECT_EQ(table.macroCount, 3);
  EXPECT_EQ(NameOf(table.macros[2]), u"jump");
}

TEST_F(MacroPageTest, AddingChangesNothingWithAFullTableOrAnEmptyName) {
  std::vector<Macro> twelve;
  for (int i = 0; i < kMacroSlots; ++i) twelve.push_back(MakeMacro(std::u16string(1, char16_t(u'a' + i))));
  Load(twelve);
  ShowPage();
  TypeInto(NameBox(), u"thirteenth");
  page.AddMacro();
  EXPECT_EQ(table.macroCount, 12);
  EXPECT_EQ(MacroList().LineCount(), 12);

  page.DestroyControls();
  Load({MakeMacro(u"one")});
  ShowPage();
  TypeInto(NameBox(), u"");
  EXPECT_EQ(NameBox().Text(), u"");
  page.AddMacro();
  EXPECT_EQ(table.macroCount, 1);
}

TEST_F(MacroPageTest, TheNameBoxTakesNoMoreThanASlotHolds) {
  ShowPage();
  TypeInto(NameBox(), u"abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(NameBox().Text(), u"abcdefghijklmnopqrs");
  page.AddMacro();
  EXPECT_EQ(NameOf(table.macros[0]), u"abcdefghijklmnopqrs");
  EXPECT_EQ(table.macros[0].name[19], 0);
}

TEST_F(MacroPageTest, DeletingMovesTheLaterMacrosDownAndSelectsTheOneBefore) {
  const struct {
    int doomed;
    Lines left;
    int selected;
  } cases[] = {
      {0, {u"two", u"three"}, 0},
      {1, {u"one", u"three"}, 0},
      {2, {u"one", u"two"}, 1},
  };
  for (const auto& c : cases) {
    page.DestroyControls();
    Load({MakeMacro(u"one", {Press(49)}), MakeMacro(u"two", {Press(50)}), MakeMacro(u"three", {Press(51)})});
    ShowPage();
    MacroList().UserSelect(c.doomed);
    page.DeleteMacro();
    EXPECT_EQ(MacroList().Lines(), c.left) << c.doomed;
    EXPECT_EQ(table.macroCount, 2);
    EXPECT_EQ(table.currentMacro, c.selected);
    EXPECT_EQ(MacroList().SelectedLine(), c.selected);
    EXPECT_EQ(NameBox().Text(), c.left[c.selected]);
    EXPECT_EQ(EventLines(), (Lines{StepLine(table.macros[c.selected].events[0])}));
    EXPECT_EQ(NameOf(table.macros[0]), c.left[0]);
    EXPECT_EQ(NameOf(table.macros[1]), c.left[1]);
    EXPECT_EQ(table.macros[2], FreeMacroSlot());
  }
}

TEST_F(MacroPageTest, DeletingTheOnlyMacroEmptiesThePage) {
  Macro only = MakeMacro(u"only", {Press(65)});
  only.repeatMode = 1;
  only.repeatCount = 7;
  Load({only});
  ShowPage();
  EXPECT_EQ(RepeatBox().Text(), u"7");
  page.DeleteMacro();
  EXPECT_EQ(table.macroCount, 0);
  EXPECT_EQ(table.currentMacro, 0);
  EXPECT_EQ(table.macros[0], FreeMacroSlot());
  EXPECT_TRUE(MacroList().Lines().empty());
  EXPECT_TRUE(EventLines().empty());
  EXPECT_EQ(NameBox().Text(), u"");
  EXPECT_EQ(RepeatBox().Text(), u"1");
  EXPECT_FALSE(RepeatBox().IsEnabled());

  page.DeleteMacro();  // nothing left to delete
  EXPECT_EQ(table.macroCount, 0);
}

TEST_F(MacroPageTest, NoDeletingWhileRecording) {
  Load({MakeMacro(u"one"), MakeMacro(u"two")});
  ShowPage();
  page.ToggleRecording();
  page.DeleteMacro();
  EXPECT_EQ(table.macroCount, 2);
}

TEST_F(MacroPageTest, TogglingTheRepeatModeOfANewMacroShowsOne) {
  ShowPage();
  TypeInto(NameBox(), u"new");
  page.AddMacro();
  const int repaints = repaint.count;
  page.ToggleRepeatMode();
  EXPECT_EQ(table.macros[0].repeatMode, 1);
  EXPECT_EQ(RepeatBox().Text(), u"1");
  EXPECT_TRUE(RepeatBox().IsEnabled());
  EXPECT_GT(repaint.count, repaints);
  page.ToggleRepeatMode();
  EXPECT_EQ(table.macros[0].repeatMode, 0);
  EXPECT_FALSE(RepeatBox().IsEnabled());
}

TEST_F(MacroPageTest, TogglingTheRepeatModeWithoutMacrosTouchesNoSlot) {
  ShowPage();
  page.ToggleRepeatMode();
  EXPECT_EQ(table.macros[0], Macro{});
}

TEST_F(MacroPageTest, SavingCorrectsTheRepeatCountAndWritesTheTable) {
  const struct {
    std::u16string typed;
    int stored;
    std::u16string shown;
  } cases[] = {
      {u"0", 1, u"1"},          {u"-5", 1, u"1"},         {u"", 1, u"1"},         {u"abc", 1, u"1"},
      {u"70000", 65535, u"65535"}, {u"65535", 65535, u"65535"}, {u"250", 250, u"250"}, {u" 12x", 12, u" 12x"},
  };
  Macro repeating = MakeMacro(u"rep", {Press(65)});
  repeating.repeatMode = 1;
  Load({MakeMacro(u"one"), repeating});
  ShowPage();
  for (const auto& c : cases) {
    TypeInto(RepeatBox(), c.typed);
    page.SaveMacroSettings();
    EXPECT_EQ(table.macros[1].repeatCount, c.stored) << ::testing::PrintToString(c.typed);
    EXPECT_EQ(RepeatBox().Text(), c.shown) << ::testing::PrintToString(c.typed);
    EXPECT_EQ((ini.values[{kMacroPath, u"Macros", u"1"}]), EncodeMacro(table.macros[1]));
  }
  EXPECT_EQ((ini.values[{kMacroPath, u"Macros", u"macroNum"}]), u"2");
}

}  // namespace
}  // namespace varkel::macrotest
