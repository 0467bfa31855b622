#include <gtest/gtest.h>

#include "platform/Messages.h"
#include "platform/sim/SimControls.h"

namespace varkel::sim {
namespace {

// A parent that keeps the commands its controls send.
class CommandLog final : public WindowClass {
 public:
  MessageResult OnMessage(const WindowMessage& message) override {
    if (message.id == msg::kCommand) commands.push_back(message.wParam);
    return 0;
  }
  std::vector<std::uintptr_t> commands;
};

struct SimControlsTest : ::testing::Test {
  static constexpr WindowId kMain = 1;
  SimControls controls;
  CommandLog main;
  SimControlsTest() { controls.AddTopLevel(kMain, main, {100, 50}); }
};

TEST_F(SimControlsTest, ListLinesKeepTheSelectionOnItsLine) {
  auto list = controls.MakeListBox(nullptr);
  list->Create(kMain, {7, style::kChild, 0, {0, 0, 50, 3 * SimListBox::kLineHeight}});
  for (const char16_t* line : {u"a", u"b", u"c", u"d"}) list->AddLine(line);
  list->SelectLine(2);
  list->InsertLine(0, u"z");
  EXPECT_EQ(list->SelectedLine(), 3);
  list->DeleteLine(0);
  EXPECT_EQ(list->SelectedLine(), 2);
  list->SelectLine(9);  // outside: unchanged
  EXPECT_EQ(list->SelectedLine(), 2);
  list->DeleteLine(2);
  EXPECT_EQ(list->SelectedLine(), -1);
  list->InsertLine(-1, u"end");
  list->InsertLine(7, u"nowhere");
  EXPECT_EQ(list->LineCount(), 4);
  EXPECT_EQ(list->LineText(3), u"end");
  EXPECT_EQ(list->LineText(4), u"");

  // Three lines show; selecting the last scrolls it into view.
  list->SelectLine(3);
  EXPECT_EQ(list->TopLine(), 1);
  EXPECT_EQ(list->LineRect(3), (Rect{0, 32, 50, 48}));
  EXPECT_EQ(list->ClientRectOnScreen(), (Rect{100, 50, 150, 98}));
}

TEST_F(SimControlsTest, APersonsSelectionNotifiesTheParentWithTheNotifyStyle) {
  auto plain = controls.MakeListBox(nullptr);
  auto notifying = controls.MakeListBox(nullptr);
  plain->Create(kMain, {8, style::kChild, 0, {}});
  notifying->Create(kMain, {9, style::kChild | style::kListNotify, 0, {}});
  for (auto* list : {plain.get(), notifying.get()}) {
    list->AddLine(u"a");
    list->AddLine(u"b");
    static_cast<SimListBox*>(list)->UserSelect(1);
    EXPECT_EQ(list->SelectedLine(), 1);
  }
  EXPECT_EQ(main.commands, (std::vector<std::uintptr_t>{9 | (kListSelectionChanged << 16)}));
}

TEST_F(SimControlsTest, TypingReplacesASelectionStopsAtTheLimitAndNeedsAnEnabledBox) {
  auto edit = controls.MakeEditBox(nullptr);
  edit->Create(kMain, {3, style::kChild, 0, {}});
  edit->SetText(u"old");
  edit->Focus();
  controls.TypeText(u"ab");
  EXPECT_EQ(edit->Text(), u"oldab");
  edit->SelectAllText();
  controls.TypeText(u"xyz\b");
  EXPECT_EQ(edit->Text(), u"xy");
  edit->LimitText(4);
  controls.TypeText(u"123");
  EXPECT_EQ(edit->Text(), u"xy12");
  edit->SetText(u"longer than four");  // the program is not limited
  EXPECT_EQ(edit->Text(), u"longer than four");
  edit->Enable(false);
  controls.TypeText(u"!");
  EXPECT_EQ(edit->Text(), u"longer than four");
}

TEST_F(SimControlsTest, AGoneWindowDoesNothingAndANewOneStartsEmpty) {
  auto edit = controls.MakeEditBox(nullptr);
  edit->Create(kMain, {3, style::kChild, 0, {}});
  edit->SetText(u"text");
  edit->Focus();
  edit->Destroy();
  EXPECT_EQ(controls.Focused(), kMain);
  EXPECT_EQ(edit->Id(), 0u);
  edit->SetText(u"lost");
  EXPECT_EQ(edit->Text(), u"");
  edit->Create(kMain, {3, style::kChild, 0, {}});
  EXPECT_EQ(edit->Text(), u"");
  EXPECT_TRUE(edit->IsEnabled());
}

}  // namespace
}  // namespace varkel::sim
