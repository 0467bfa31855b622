#include <gtest/gtest.h>

#include <functional>

#include "macros/CEditableListBox.h"
#include "platform/Messages.h"
#include "platform/VirtualKeys.h"
#include "platform/sim/SimControls.h"

namespace varkel {
namespace {

// The list's parent: counts the end-of-edit notices and what the edited
// line read when each arrived.
class ParentStub final : public WindowClass {
 public:
  explicit ParentStub(const ListBoxWindow& list) : list_(list) {}
  MessageResult OnMessage(const WindowMessage& message) override {
    if (message.id != WM_INPLACE_DONE) return std::nullopt;
    linesAtDone.push_back(list_.LineText(1));
    return 0;
  }
  std::vector<std::u16string> linesAtDone;

 private:
  const ListBoxWindow& list_;
};

struct ListRig {
  static constexpr WindowId kParent = 1;
  sim::SimControls controls;
  CEditableListBox box{controls};
  ParentStub parent{box.List()};

  ListRig() {
    controls.AddTopLevel(kParent, parent);
    box.Create(kParent, {10002, style::kChild | style::kVisible | style::kListNotify, 0, {10, 20, 110, 180}});
    for (const char16_t* line : {u"[↓]A", u"    30ms", u"[↑]A"}) box.List().AddLine(line);
    box.List().SelectLine(1);
  }

  // The list goes while its parent, which hears of the focus, still exists.
  ~ListRig() { box.Destroy(); }

  sim::SimEditBox* Editor() { return controls.FindEditBox(1); }
  void Char(std::uintptr_t code) { box.List().Send(msg::kChar, code, 0); }
  void KeyUpInEditor(std::uintptr_t key) { controls.Deliver({Editor()->Id(), msg::kKeyUp, key, 0}); }
  void Open(std::u16string_view typed) {
    Char(1);
    ASSERT_NE(Editor(), nullptr);
    controls.TypeText(typed);
  }
};

TEST(EditableListBox, CodeOneOpensAnEditorOverTheSelectedLine) {
  ListRig t;
  t.Char(1);
  sim::SimEditBox* editor = t.Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Parent(), t.box.List().Id());
  const Rect line = t.box.List().LineRect(1);
  EXPECT_EQ(editor->Setup().place, (Rect{line.left, line.top - 2, line.right, line.bottom + 2}));
  EXPECT_EQ(editor->Setup().style, style::kChild | style::kVisible | style::kBorder | style::kEditAutoHorizontal);
  EXPECT_EQ(editor->Setup().extendedStyle, style::kExClientEdge);
  EXPECT_EQ(editor->Text(), u"    30ms");
  EXPECT_TRUE(editor->AllSelected());
  EXPECT_EQ(t.controls.Focused(), editor->Id());
  EXPECT_EQ(t.box.EditIndex(), 1);
}

TEST(EditableListBox, NoEditorForOtherCharactersNoSelectionOrOneAlreadyOpen) {
  ListRig t;
  for (std::uintptr_t code : {0u, 2u, 0x41u, 0x0Du}) t.Char(code);
  EXPECT_EQ(t.Editor(), nullptr);

  t.box.List().SelectLine(-1);
  t.Char(1);
  EXPECT_EQ(t.Editor(), nullptr);

  t.box.List().SelectLine(1);
  t.Open(u"5");
  t.box.List().SelectLine(2);
  t.Char(1);  // the open edit stays on its line
  EXPECT_EQ(t.box.EditIndex(), 1);
  EXPECT_EQ(t.Editor()->Text(), u"5");
}

TEST(EditableListBox, EachWayOfEndingKeepsOrDropsTheText) {
  const struct {
    const char* how;
    std::function<void(ListRig&)> end;
    std::u16string line;
  } cases[] = {
      {"Enter", [](ListRig& t) { t.KeyUpInEditor(vk::kReturn); }, u"45"},
      {"Escape", [](ListRig& t) { t.KeyUpInEditor(vk::kEscape); }, u"    30ms"},
      {"focus lost", [](ListRig& t) { t.controls.Focus(t.box.List().Id()); }, u"45"},
      {"scrolled", [](ListRig& t) { t.box.List().Send(msg::kVScroll, 1, 0); }, u"45"},
      {"resized", [](ListRig& t) { t.box.List().Send(msg::kSize, 0, 0); }, u"45"},
      {"page left", [](ListRig& t) { t.box.Destroy(); }, u"45"},
  };
  for (const auto& c : cases) {
    ListRig t;
    t.Open(u"45");
    c.end(t);
    EXPECT_EQ(t.Editor(), nullptr) << c.how;
    EXPECT_EQ(t.box.EditIndex(), -1) << c.how;
    // Exactly one notice, which sees the line as it ends up.
    EXPECT_EQ(t.parent.linesAtDone, (std::vector<std::u16string>{c.line})) << c.how;
    if (t.box.List().Exists()) {
      EXPECT_EQ(t.box.List().LineCount(), 3) << c.how;
      EXPECT_EQ(t.box.List().LineText(1), c.line) << c.how;
      EXPECT_EQ(t.box.List().SelectedLine(), 1) << c.how;
    }
  }
}

TEST(EditableListBox, AnUnchangedTextLeavesTheLineButStillNotifies) {
  ListRig t;
  t.box.List().SelectLine(1);
  t.Char(1);
  t.KeyUpInEditor(vk::kReturn);
  EXPECT_EQ(t.parent.linesAtDone.size(), 1u);
  EXPECT_EQ(t.box.List().LineText(1), u"    30ms");
}

TEST(EditableListBox, EndRequestsWithoutAnEditorAreIgnored) {
  ListRig t;
  t.box.List().Send(WM_INPLACE_END, 1, 0);
  t.box.List().Send(msg::kVScroll, 1, 0);
  t.box.EndEdit(true);
  EXPECT_TRUE(t.parent.linesAtDone.empty());
}

}  // namespace
}  // namespace varkel
