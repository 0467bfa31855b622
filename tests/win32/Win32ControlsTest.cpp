#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppIdentity.h"
#include "macros/CEditableListBox.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32KeyboardCapture.h"
#include "platform/win32/dialog/Win32DialogHost.h"

namespace varkel::win32 {
namespace {

constexpr int kTemplate = 1001;  // tests/win32/DialogLayerTest.rc

// The controls' parent: keeps the messages its children send it, and what
// the edited line read when each edit ended.
class ParentClass final : public WindowClass {
 public:
  MessageResult OnMessage(const WindowMessage& message) override {
    if (message.id == WM_INPLACE_DONE) {
      doneLines.push_back(list ? list->LineText(1) : u"");
      return 0;
    }
    if (message.id == WM_KEYDOWN || message.id == WM_KEYUP) keys.push_back(message);
    return std::nullopt;
  }
  const ListBoxWindow* list = nullptr;
  std::vector<std::u16string> doneLines;
  std::vector<WindowMessage> keys;
};

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

struct Win32ControlsTest : ::testing::Test {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  Win32DialogHost host{instance};
  ParentClass parent;
  Win32Controls controls{instance};
  WindowId main = 0;

  void SetUp() override {
    ASSERT_TRUE(host.CreateModeless(kTemplate, parent, nullptr));
    main = parent.AttachedWindow()->Id();
    parent.AttachedWindow()->Show(ShowCommand::Show);
  }
  void TearDown() override {
    if (parent.AttachedWindow()) parent.AttachedWindow()->Destroy();
  }
  HWND Main() const { return reinterpret_cast<HWND>(main); }
};

constexpr std::uint32_t kListStyle = style::kChild | style::kVisible | style::kVerticalScroll | style::kListNotify;
constexpr std::uint32_t kEditStyle = style::kChild | style::kVisible | style::kEditCentre | style::kEditWantReturn;

TEST_F(Win32ControlsTest, ListBoxLinesSelectionAndPlaces) {
  auto list = controls.MakeListBox(nullptr);
  EXPECT_EQ(list->SelectedLine(), -1);  // no window yet
  EXPECT_EQ(list->LineCount(), 0);
  list->Create(main, {10001, kListStyle, 0, {10, 20, 110, 100}});
  ASSERT_TRUE(list->Exists());
  HWND hwnd = reinterpret_cast<HWND>(list->Id());
  EXPECT_EQ(GetDlgCtrlID(hwnd), 10001);
  EXPECT_EQ(GetParent(hwnd), Main());
  // The list takes its scroll bar away while all lines fit.
  const std::uint32_t shown = kListStyle & ~style::kVerticalScroll;
  EXPECT_EQ(static_cast<std::uint32_t>(GetWindowLongW(hwnd, GWL_STYLE)) & shown, shown);

  for (const char16_t* line : {u"[↓]A", u"    30ms", u"[↑]A"}) list->AddLine(line);
  list->InsertLine(1, u"游戏");
  EXPECT_EQ(list->LineCount(), 4);
  EXPECT_EQ(list->LineText(1), u"游戏");
  list->DeleteLine(1);
  EXPECT_EQ(list->LineText(1), u"    30ms");
  EXPECT_EQ(list->LineText(7), u"");
  list->SelectLine(2);
  list->SelectLine(9);
  EXPECT_EQ(list->SelectedLine(), 2);
  list->SelectLine(-1);
  EXPECT_EQ(list->SelectedLine(), -1);

  const int height = list->LineHeight();
  EXPECT_GT(height, 0);
  EXPECT_EQ(list->LineRect(1).top, height);
  EXPECT_EQ(list->LineRect(1).bottom, 2 * height);
  RECT window{};
  GetWindowRect(hwnd, &window);
  const Rect client = list->ClientRectOnScreen();
  EXPECT_GE(client.left, window.left);
  EXPECT_GE(client.top, window.top);
  EXPECT_LE(client.bottom, window.bottom);

  list->Destroy();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(list->Exists());
  EXPECT_EQ(list->LineText(0), u"");
}

TEST_F(Win32ControlsTest, EditBoxTextLimitAndState) {
  auto edit = controls.MakeEditBox(nullptr);
  edit->Create(main, {10000, kEditStyle, 0, {10, 10, 150, 30}});
  edit->LimitText(19);
  edit->Focus();
  for (wchar_t c : std::wstring(L"abcdefghijklmnopqrstuvwxyz")) SendMessageW(reinterpret_cast<HWND>(edit->Id()), WM_CHAR, c, 0);
  EXPECT_EQ(edit->Text(), u"abcdefghijklmnopqrs");
  edit->SetText(u"名字");
  EXPECT_EQ(edit->Text(), u"名字");
  edit->SelectAllText();
  SendMessageW(reinterpret_cast<HWND>(edit->Id()), WM_CHAR, L'x', 0);
  EXPECT_EQ(edit->Text(), u"x");
  edit->Enable(false);
  EXPECT_FALSE(edit->IsEnabled());
}

struct InPlaceEdit : Win32ControlsTest {
  std::unique_ptr<CEditableListBox> box;
  void SetUp() override {
    Win32ControlsTest::SetUp();
    box = std::make_unique<CEditableListBox>(controls);
    parent.list = &box->List();
    box->Create(main, {10002, kListStyle, 0, {10, 10, 200, 150}});
    for (const char16_t* line : {u"[↓]A", u"    30ms", u"[↑]A"}) box->List().AddLine(line);
    box->List().SelectLine(1);
  }
  void TearDown() override {
    box.reset();
    Win32ControlsTest::TearDown();
  }
  HWND List() const { return reinterpret_cast<HWND>(box->List().Id()); }
  HWND Editor() const { return FindWindowExW(List(), nullptr, L"EDIT", nullptr); }
  void OpenAndType(const wchar_t* text) {
    SendMessageW(List(), WM_CHAR, 1, 0);
    ASSERT_NE(Editor(), nullptr);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(Editor(), WM_CHAR, *c, 0);
  }
};

TEST_F(InPlaceEdit, CodeOneOpensTheEditorOverTheLineWithItsTextSelected) {
  SendMessageW(List(), WM_CHAR, 1, 0);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(GetDlgCtrlID(editor), 1);
  EXPECT_EQ(GetFocus(), editor);
  EXPECT_TRUE(GetWindowLongW(editor, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  DWORD start = 0, end = 0;
  SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 8u);
  RECT line{}, placed{};
  SendMessageW(List(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
  GetWindowRect(editor, &placed);
  MapWindowPoints(nullptr, List(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.top, line.top - 2);
  EXPECT_EQ(placed.bottom, line.bottom + 2);
  SendMessageW(List(), WM_CHAR, 2, 0);  // another character does not open a second one
  EXPECT_EQ(Editor(), editor);
}

TEST_F(InPlaceEdit, EnterKeepsEscapeDropsAndEachEndNotifiesOnce) {
  const struct {
    const char* how;
    UINT key;
    std::u16string line;
  } cases[] = {{"Enter", VK_RETURN, u"45"}, {"Escape", VK_ESCAPE, u"    30ms"}};
  for (const auto& c : cases) {
    parent.doneLines.clear();
    box->List().SelectLine(1);
    OpenAndType(L"45");
    SendMessageW(Editor(), WM_KEYUP, c.key, 0);
    EXPECT_EQ(Editor(), nullptr) << c.how;
    EXPECT_EQ(box->List().LineText(1), c.line) << c.how;
    EXPECT_EQ(box->List().SelectedLine(), 1) << c.how;
    EXPECT_EQ(parent.doneLines, (std::vector<std::u16string>{c.line})) << c.how;
    box->List().DeleteLine(1);
    box->List().InsertLine(1, u"    30ms");
  }
}

TEST_F(InPlaceEdit, LosingTheFocusOrThePageKeepsTheText) {
  OpenAndType(L"61");
  SetFocus(List());
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(parent.doneLines, (std::vector<std::u16string>{u"61"}));

  box->List().SelectLine(1);
  OpenAndType(L"62");
  box->Destroy();
  EXPECT_FALSE(box->List().Exists());
  EXPECT_EQ(parent.doneLines, (std::vector<std::u16string>{u"61", u"62"}));
}

TEST_F(InPlaceEdit, ClosingWithTheEditorOpenEndsQuietly) {
  OpenAndType(L"9");
  HWND editor = Editor();
  box.reset();
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_TRUE(parent.doneLines.empty());
}

TEST_F(Win32ControlsTest, TheCaptureTakesKeysToTheMainWindowOnlyWhileInstalled) {
  parent.AttachedWindow()->SetTitle(kAppName);
  Win32KeyboardCapture capture;
  capture.Install();
  ASSERT_TRUE(capture.Installed());
  keybd_event('A', 0, 0, 0);
  keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
  Pump(300);
  ASSERT_EQ(parent.keys.size(), 2u);
  EXPECT_EQ(parent.keys[0].id, static_cast<std::uint32_t>(WM_KEYDOWN));
  EXPECT_EQ(parent.keys[1].id, static_cast<std::uint32_t>(WM_KEYUP));
  for (const WindowMessage& key : parent.keys) {
    EXPECT_EQ(key.wParam, 'A');
    EXPECT_EQ(key.lParam, 0);  // posted by the hook, not typed
  }

  capture.Remove();
  EXPECT_FALSE(capture.Installed());
  parent.keys.clear();
  keybd_event('B', 0, 0, 0);
  keybd_event('B', 0, KEYEVENTF_KEYUP, 0);
  Pump(300);
  for (const WindowMessage& key : parent.keys) EXPECT_NE(key.lParam, 0);
}

}  // namespace
}  // namespace varkel::win32
