#include <gtest/gtest.h>

#include "config/DecimalText.h"
#include "macros/EventMenuIds.h"
#include "platform/VirtualKeys.h"
#include "unit/macros/MacroPageRig.h"

namespace varkel::macrotest {
namespace {

using Lines = std::vector<std::u16string>;

// Four steps: lines 0 [↓]A, 1 10ms, 2 [↑]A, 3 20ms, 4 [↓]B, 5 40ms, 6 [↑]B.
struct MacroEditing : MacroPageRig {
  MacroEditing() {
    Load({MakeMacro(u"other", {Press(67)}),
          MakeMacro(u"ab", {Press(65, 10), Release(65, 20), Press(66, 40), Release(66, 50)})});
    ShowPage();
  }
  const Macro& Edited() { return table.macros[1]; }
  std::vector<MacroEvent> Steps(const Macro& m) { return {m.events.begin(), m.events.begin() + m.eventCount}; }
  sim::SimEditBox* Editor() { return controls.FindEditBox(1); }

  // The modify-delay command on `line`, typing `text` and ending with `key`.
  void EditDelay(int line, std::u16string_view text, std::uintptr_t key = vk::kReturn) {
    RightClickLine(line);
    Command(ID_CHANGE_DELAY);
    ASSERT_NE(Editor(), nullptr);
    controls.TypeText(text);
    controls.Deliver({controls.Focused(), msg::kKeyUp, key, 0});
  }
};

TEST_F(MacroEditing, ARightClickPicksTheLineAndStepUnderThePointer) {
  RightClickLine(5);
  EXPECT_EQ(page.State().editLine, 5);
  EXPECT_EQ(page.State().editStep, 2);
  EXPECT_EQ(page.State().editMacro, 1);
  EXPECT_EQ(page.State().lineCountAtClick, 7);
  EXPECT_EQ(EventList().SelectedLine(), 5);
  ASSERT_EQ(menuShownAt.size(), 1u);
  EXPECT_EQ(menuShownAt[0], EventList().LineCentreOnScreen(5));
}

TEST_F(MacroEditing, TheMenuOpensOnlyOverALineOrAnEmptyList) {
  const Rect list = EventList().ClientRectOnScreen();
  RightClickAt({list.left + 5, list.top + 7 * sim::SimListBox::kLineHeight + 3});  // below the last line
  EXPECT_EQ(page.State().editLine, 7);
  RightClickAt({list.right + 5, list.top + 3});  // beside the list
  EXPECT_EQ(page.State().editLine, 0);
  EXPECT_TRUE(menuShownAt.empty());

  MacroList().UserSelect(0);
  TypeInto(NameBox(), u"empty");
  page.AddMacro();
  RightClickLine(3);
  EXPECT_EQ(menuShownAt.size(), 1u);
  EXPECT_EQ(page.State().lineCountAtClick, 0);
}

TEST_F(MacroEditing, TheLineCountsFromTheFirstLineWhateverTheScroll) {
  std::vector<MacroEvent> many(15, Press(65));
  Load({MakeMacro(u"many", many)});
  ShowPage();
  EventList().SelectLine(28);  // scrolls the last lines into view
  ASSERT_GT(EventList().TopLine(), 0);
  RightClickLine(25);
  EXPECT_EQ(page.State().editLine, 25);
  EXPECT_EQ(page.State().editStep, 12);
}

TEST_F(MacroEditing, InsertingBeforeADelayKeepsThatDelaySelected) {
  RightClickLine(5);
  Command(ID_INSERT_BEFORE_LEFT_DOWN);
  EXPECT_EQ(Steps(Edited()), (std::vector<MacroEvent>{Press(65, 10), Release(65, 20), Press(0xF0, 30),
                                                       Press(66, 40), Release(66, 50)}));
  EXPECT_EQ(EventLines()[4], u"[↓]Left_Key");
  EXPECT_EQ(page.State().editLine, 7);
  EXPECT_EQ(EventList().SelectedLine(), 7);
  EXPECT_EQ(EventLines()[7], u"    40ms");
}

TEST_F(MacroEditing, EveryInsertCommandPutsItsButtonBeforeOrAfterTheStep) {
  const struct {
    int command;
    int position;
    MacroEvent step;
  } cases[] = {
      {ID_INSERT_BEFORE_LEFT_DOWN, 1, Press(0xF0)},   {ID_INSERT_BEFORE_LEFT_UP, 1, Release(0xF0)},
      {ID_INSERT_BEFORE_RIGHT_DOWN, 1, Press(0xF1)},  {ID_INSERT_BEFORE_RIGHT_UP, 1, Release(0xF1)},
      {ID_INSERT_BEFORE_MIDDLE_DOWN, 1, Press(0xF2)}, {ID_INSERT_BEFORE_MIDDLE_UP, 1, Release(0xF2)},
      {ID_INSERT_AFTER_LEFT_DOWN, 2, Press(0xF0)},    {ID_INSERT_AFTER_LEFT_UP, 2, Release(0xF0)},
      {ID_INSERT_AFTER_RIGHT_DOWN, 2, Press(0xF1)},   {ID_INSERT_AFTER_RIGHT_UP, 2, Release(0xF1)},
      {ID_INSERT_AFTER_MIDDLE_DOWN, 2, Press(0xF2)},  {ID_INSERT_AFTER_MIDDLE_UP, 2, Release(0xF2)},
  };
  for (const auto& c : cases) {
    const Macro before = Edited();
    RightClickLine(2);  // step 1
    Command(c.command);
    std::vector<MacroEvent> expected = Steps(before);
    expected.insert(expected.begin() + c.position, c.step);
    EXPECT_EQ(Steps(Edited()), expected) << c.command;
    EXPECT_EQ(page.State().editLine, 4) << c.command;
    table.macros[1] = before;
  }
}

TEST_F(MacroEditing, InsertingAfterTheLastStepAppendsAndIntoAnEmptyMacroMakesStepZero) {
  RightClickLine(6);
  Command(ID_INSERT_AFTER_RIGHT_UP);
  EXPECT_EQ(Steps(Edited()).back(), Release(0xF1));
  EXPECT_EQ(EventLines().back(), u"[↑]Right_Key");

  TypeInto(NameBox(), u"empty");
  page.AddMacro();
  RightClickLine(0);
  Command(ID_INSERT_AFTER_MIDDLE_DOWN);
  EXPECT_EQ(Steps(table.macros[2]), (std::vector<MacroEvent>{Press(0xF2)}));
  EXPECT_EQ(page.State().editLine, 0);
  EXPECT_EQ(EventLines(), (Lines{u"[↓]Middle_Key"}));
  EXPECT_EQ(EventList().SelectedLine(), 0);
}

TEST_F(MacroEditing, TheCommandChosenFromTheMenuRunsOnceItHasClosed) {
  menuChoice = ID_DELETE_STEP;
  RightClickLine(0);
  EXPECT_EQ(Steps(Edited()).front(), Release(65, 20));
}

TEST_F(MacroEditing, DeletingThroughADelayLineDeletesTheStepBeforeIt) {
  RightClickLine(5);
  Command(ID_DELETE_STEP);
  EXPECT_EQ(Steps(Edited()), (std::vector<MacroEvent>{Press(65, 10), Release(65, 20), Release(66, 50)}));
  EXPECT_EQ(page.State().editLine, 3);
  EXPECT_EQ(EventList().SelectedLine(), 3);

  RightClickLine(1);
  Command(ID_DELETE_STEP);
  EXPECT_EQ(Steps(Edited()), (std::vector<MacroEvent>{Release(65, 20), Release(66, 50)}));
  EXPECT_EQ(page.State().editLine, 0);

  for (int i = 0; i < 3; ++i) {
    RightClickLine(0);
    Command(ID_DELETE_STEP);
  }
  EXPECT_EQ(Edited().eventCount, 0);
  EXPECT_TRUE(EventLines().empty());
}

TEST_F(MacroEditing, AFullMacroRefusesInsertsWithOverflow) {
  Load({MakeMacro(u"full", std::vector<MacroEvent>(253, Press(65)))});
  ShowPage();
  RightClickLine(0);
  Command(ID_INSERT_BEFORE_LEFT_DOWN);
  EXPECT_EQ(table.macros[0].eventCount, 254);
  EXPECT_TRUE(dialogs.messages.empty());
  const Macro full = table.macros[0];
  const int line = page.State().editLine;
  Command(ID_INSERT_AFTER_LEFT_UP);
  EXPECT_EQ(dialogs.messages, (Lines{u"Overflow!!!"}));
  EXPECT_EQ(table.macros[0], full);
  EXPECT_EQ(page.State().editLine, line);
}

TEST_F(MacroEditing, ATypedDelayIsStoredAndShownAgain) {
  const struct {
    std::u16string typed;
    int stored;
  } cases[] = {{u"250", 250}, {u"250ms", 250}, {u"  250 ms", 250}, {u"70000", 4464}, {u"soon", 0}};
  for (const auto& c : cases) {
    EditDelay(3, c.typed);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Edited().events[1].delayMs, c.stored) << ::testing::PrintToString(c.typed);
    EXPECT_EQ(EventLines()[3], u"    " + FormatDecimal(c.stored) + u"ms");
    EXPECT_EQ(EventLines().size(), 7u);
  }
}

TEST_F(MacroEditing, EscapeOrAStepLineLeavesTheDelayAlone) {
  const int edits = main.inplaceDone;
  EditDelay(3, u"999", vk::kEscape);
  EXPECT_EQ(Edited().events[1].delayMs, 20);
  EXPECT_EQ(EventLines()[3], u"    20ms");
  EXPECT_EQ(main.inplaceDone, edits + 1);

  RightClickLine(2);
  Command(ID_CHANGE_DELAY);
  EXPECT_EQ(Editor(), nullptr);
}

TEST_F(MacroEditing, LeavingTheEditorKeepsWhatWasTyped) {
  RightClickLine(1);
  Command(ID_CHANGE_DELAY);
  controls.TypeText(u"77");
  controls.Focus(NameBox().Id());
  EXPECT_EQ(Edited().events[0].delayMs, 77);
}

TEST_F(MacroEditing, LeavingThePageKeepsTheDelayBeingTyped) {
  RightClickLine(1);
  Command(ID_CHANGE_DELAY);
  controls.TypeText(u"88");
  page.DestroyControls();
  EXPECT_EQ(Edited().events[0].delayMs, 88);
  EXPECT_EQ(main.inplaceDone, 1);
}

TEST_F(MacroEditing, CommandsAreIgnoredWhileRecording) {
  RightClickLine(3);
  page.ToggleRecording();  // empties macro 1 and records into it
  const auto before = table.macros;
  for (int command : {ID_INSERT_BEFORE_LEFT_DOWN, ID_INSERT_AFTER_RIGHT_UP, ID_DELETE_STEP, ID_CHANGE_DELAY})
    Command(command);
  RightClickLine(0);  // no menu either
  EXPECT_EQ(table.macros, before);
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(menuShownAt.size(), 1u);
}

TEST_F(MacroEditing, WithoutMacrosNoCommandTouchesTheTable) {
  page.DestroyControls();
  Load({});
  ShowPage();
  const auto before = table.macros;
  for (int command = ID_CHANGE_DELAY; command <= ID_INSERT_AFTER_MIDDLE_UP; ++command) {
    RightClickLine(0);
    Command(command);
  }
  EXPECT_EQ(page.State().editMacro, -1);
  EXPECT_EQ(table.macros, before);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace varkel::macrotest
