#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "platform/MessageMap.h"
#include "platform/win32/dialog/Win32DialogHost.h"
#include "win32/SentMessage.h"

namespace varkel::win32 {
namespace {

constexpr int kTemplate = 1001;  // tests/win32/DialogLayerTest.rc
constexpr int kTemplateWithSystemMenu = 1002;
constexpr int kTestString = 101;
constexpr int kMissingTemplate = 1999;
constexpr UINT kPoke = WM_APP + 1;
constexpr UINT kSwallowed = WM_APP + 2;
constexpr UINT kAsk = WM_APP + 3;

// A window class whose handlers the test sets; it keeps every message id
// it saw, in order.
class ScriptedClass : public WindowClass {
 public:
  using Handler = std::function<MessageResult(Window&, const WindowMessage&)>;

  MessageResult OnMessage(const WindowMessage& message) override {
    seen.push_back(message.id);
    const auto found = handlers.find(message.id);
    return found == handlers.end() ? std::nullopt : found->second(*window_, message);
  }
  bool PreTranslate(const WindowMessage& message) override { return message.id == kSwallowed; }

  bool Saw(UINT id) const { return std::find(seen.begin(), seen.end(), id) != seen.end(); }

  std::map<UINT, Handler> handlers;
  std::vector<UINT> seen;
};

HWND HandleOf(Window& window) { return reinterpret_cast<HWND>(window.Id()); }

struct DialogLayer : testing::Test {
  Win32DialogHost host{GetModuleHandleW(nullptr)};
  ScriptedClass dialog;
};

TEST_F(DialogLayer, ModalRunEndsWithEndModalsResult) {
  dialog.handlers[WM_INITDIALOG] = [](Window& w, const WindowMessage&) {
    PostMessageW(HandleOf(w), kPoke, 0, 0);
    return MessageResult(1);
  };
  dialog.handlers[kPoke] = [](Window& w, const WindowMessage&) {
    w.EndModal(7);
    return MessageResult(0);
  };
  EXPECT_EQ(host.RunModal(kTemplate, dialog, nullptr), 7);
  ASSERT_FALSE(dialog.seen.empty());
  EXPECT_EQ(dialog.seen.front(), static_cast<UINT>(WM_INITDIALOG));
  EXPECT_TRUE(dialog.Saw(WM_NCDESTROY));  // the window is gone after the run
  EXPECT_EQ(dialog.AttachedWindow(), nullptr);
}

TEST_F(DialogLayer, DestroyingTheWindowEndsTheModalRun) {
  dialog.handlers[WM_INITDIALOG] = [](Window& w, const WindowMessage&) {
    PostMessageW(HandleOf(w), WM_CLOSE, 0, 0);
    return MessageResult(1);
  };
  dialog.handlers[WM_CLOSE] = [](Window& w, const WindowMessage&) {
    w.Destroy();
    return MessageResult(0);
  };
  EXPECT_EQ(host.RunModal(kTemplate, dialog, nullptr), 0);
  EXPECT_EQ(dialog.AttachedWindow(), nullptr);
}

// Another thread's SendMessageW is handled inside the loop's GetMessageW; a
// handler that destroys the window there must still end the run, with no
// later message to wake the loop (the product's window has no timer).
TEST_F(DialogLayer, DestroyedInsideAMessageSentByAnotherThread) {
  struct Case {
    const char* name;
    UINT message;
  };
  const Case cases[] = {{"close", WM_CLOSE}, {"device change", WM_DEVICECHANGE}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedClass window;
    std::atomic<HWND> handle{nullptr};
    window.handlers[WM_INITDIALOG] = [&](Window& w, const WindowMessage&) {
      handle = HandleOf(w);
      return MessageResult(1);
    };
    window.handlers[c.message] = [](Window& w, const WindowMessage&) {
      w.Destroy();
      return MessageResult(0);
    };
    int result = -1;
    const bool ended = RunEndsWithinASecondOfSend([&] { result = host.RunModal(kTemplate, window, nullptr); },
                                                  handle, [&](HWND target) { SendMessageW(target, c.message, 0, 0); });
    EXPECT_TRUE(ended);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(window.AttachedWindow(), nullptr);
  }
}

TEST_F(DialogLayer, PreTranslateSwallowsBeforeDispatch) {
  dialog.handlers[WM_INITDIALOG] = [](Window& w, const WindowMessage&) {
    PostMessageW(HandleOf(w), kSwallowed, 0, 0);
    PostMessageW(HandleOf(w), kPoke, 0, 0);
    return MessageResult(1);
  };
  dialog.handlers[kPoke] = [](Window& w, const WindowMessage&) {
    w.EndModal(1);
    return MessageResult(0);
  };
  host.RunModal(kTemplate, dialog, nullptr);
  EXPECT_FALSE(dialog.Saw(kSwallowed));
  EXPECT_TRUE(dialog.Saw(kPoke));
}

TEST_F(DialogLayer, AnswersComeBackToTheSender) {
  LRESULT answer = 0, unhandled = -1;
  dialog.handlers[kAsk] = [](Window&, const WindowMessage& m) { return MessageResult(40 + m.wParam); };
  dialog.handlers[WM_INITDIALOG] = [&](Window& w, const WindowMessage&) {
    answer = SendMessageW(HandleOf(w), kAsk, 2, 0);
    unhandled = SendMessageW(HandleOf(w), kPoke, 0, 0);  // no handler: the default answer
    w.EndModal(0);
    return MessageResult(1);
  };
  host.RunModal(kTemplate, dialog, nullptr);
  EXPECT_EQ(answer, 42);
  EXPECT_EQ(unhandled, 0);
}

TEST_F(DialogLayer, ChildControlsByTheirIds) {
  std::wstring text;
  bool checkedBefore = true, checkedAfter = false;
  dialog.handlers[WM_INITDIALOG] = [&](Window& w, const WindowMessage&) {
    w.SetItemText(11, u"状态 ok");
    wchar_t buffer[32] = {};
    GetDlgItemTextW(HandleOf(w), 11, buffer, 32);
    text = buffer;
    checkedBefore = w.IsItemChecked(10);
    CheckDlgButton(HandleOf(w), 10, BST_CHECKED);
    checkedAfter = w.IsItemChecked(10);
    w.SetTitle(u"Varkel游戏鼠 test");
    w.EndModal(0);
    return MessageResult(1);
  };
  host.RunModal(kTemplate, dialog, nullptr);
  EXPECT_EQ(text, L"状态 ok");
  EXPECT_FALSE(checkedBefore);
  EXPECT_TRUE(checkedAfter);
}

// A separator and the item go at the end of the system menu, when there is
// one and the string exists.
TEST_F(DialogLayer, SystemMenuItemFromAString) {
  struct Case {
    const char* name;
    int templateId;
    int stringId;
    bool hasMenu;
    bool added;
  };
  const Case cases[] = {
      {"system menu and string", kTemplateWithSystemMenu, kTestString, true, true},
      {"no such string", kTemplateWithSystemMenu, 199, true, false},
      {"no system menu", kTemplate, kTestString, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedClass window;
    int countBefore = -1, countAfter = -1;
    UINT lastId = 0, separatorState = 0;
    wchar_t lastText[64] = {};
    window.handlers[WM_INITDIALOG] = [&](Window& w, const WindowMessage&) {
      HMENU menu = GetSystemMenu(HandleOf(w), FALSE);
      if (menu) countBefore = GetMenuItemCount(menu);
      w.AddSystemMenuItem(16, c.stringId);
      menu = GetSystemMenu(HandleOf(w), FALSE);
      if (menu) {
        countAfter = GetMenuItemCount(menu);
        lastId = GetMenuItemID(menu, countAfter - 1);
        GetMenuStringW(menu, countAfter - 1, lastText, 64, MF_BYPOSITION);
        separatorState = GetMenuState(menu, countAfter - 2, MF_BYPOSITION);
      }
      w.EndModal(0);
      return MessageResult(1);
    };
    host.RunModal(c.templateId, window, nullptr);
    EXPECT_EQ(countBefore >= 0, c.hasMenu);
    if (!c.added) {
      EXPECT_EQ(countAfter, countBefore);
      continue;
    }
    EXPECT_EQ(countAfter, countBefore + 2);
    EXPECT_EQ(lastId, 16u);
    EXPECT_STREQ(lastText, L"&About the test...");
    EXPECT_TRUE(separatorState & MF_SEPARATOR);
  }
}

TEST_F(DialogLayer, OwnerIsDisabledDuringANestedModalRunOnly) {
  ScriptedClass inner;
  bool ownerEnabledDuring = true, ownerEnabledAfter = false;
  inner.handlers[WM_INITDIALOG] = [&](Window& w, const WindowMessage&) {
    PostMessageW(HandleOf(w), kPoke, 0, 0);
    return MessageResult(1);
  };
  inner.handlers[kPoke] = [&](Window& w, const WindowMessage&) {
    ownerEnabledDuring = IsWindowEnabled(GetWindow(HandleOf(w), GW_OWNER));
    w.EndModal(3);
    return MessageResult(0);
  };
  dialog.handlers[WM_INITDIALOG] = [&](Window& w, const WindowMessage&) {
    PostMessageW(HandleOf(w), kPoke, 0, 0);
    return MessageResult(1);
  };
  dialog.handlers[kPoke] = [&](Window& w, const WindowMessage&) {
    EXPECT_EQ(host.RunModal(kTemplate, inner, &w), 3);
    ownerEnabledAfter = IsWindowEnabled(HandleOf(w));
    w.EndModal(0);
    return MessageResult(0);
  };
  host.RunModal(kTemplate, dialog, nullptr);
  EXPECT_FALSE(ownerEnabledDuring);
  EXPECT_TRUE(ownerEnabledAfter);
}

TEST_F(DialogLayer, ModelessWindowLivesUntilDestroyed) {
  ASSERT_TRUE(host.CreateModeless(kTemplate, dialog, nullptr));
  Window* window = dialog.AttachedWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindow(HandleOf(*window)));
  window->Destroy();  // frees the layer's window object as well
  EXPECT_EQ(dialog.AttachedWindow(), nullptr);
}

TEST_F(DialogLayer, MissingTemplateMakesNoWindow) {
  EXPECT_EQ(host.RunModal(kMissingTemplate, dialog, nullptr), -1);
  EXPECT_FALSE(host.CreateModeless(kMissingTemplate, dialog, nullptr));
  EXPECT_TRUE(dialog.seen.empty());
}

}  // namespace
}  // namespace varkel::win32
