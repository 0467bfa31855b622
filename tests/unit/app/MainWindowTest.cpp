#include <gtest/gtest.h>

#include "app/CZUL_TavrinDlg.h"
#include "app/ResourceIds.h"
#include "platform/sim/SimWindow.h"
#include "unit/views/ViewRig.h"

namespace varkel {
namespace {

TEST(MainWindow, InitialisationGivesSystemMenuItemIconAndTitle) {
  sim::SimWindow window;
  CZUL_TavrinDlg dialog;
  dialog.Attach(&window);
  EXPECT_EQ(dialog.OnMessage({window.Id(), msg::kInitDialog, 0, 0}), MessageResult(1));
  // "&About ZUL_Tavrin..." (string 101), command 16.
  EXPECT_EQ(window.SystemMenuItems(), (std::vector<std::pair<int, int>>{{16, 101}}));
  EXPECT_EQ(window.Title(), u"Varkel游戏鼠");
  EXPECT_EQ(window.LargeIcon(), IDR_MAINFRAME);
  EXPECT_TRUE(window.Shows().empty());
}

TEST(MainWindow, ClosingDestroysTheWindow) {
  sim::SimWindow window;
  CZUL_TavrinDlg dialog;
  dialog.Attach(&window);
  EXPECT_TRUE(dialog.OnMessage({window.Id(), msg::kClose, 0, 0}).has_value());
  EXPECT_TRUE(window.Destroyed());
}

TEST(MainWindow, StartUpDressesTheWindowAtItsPlaceAndCloseRunsTheExitSequence) {
  struct RecordingShutdown : Shutdown {
    void ShutdownDriver() override { ++runs; }
    int runs = 0;
  } shutdown;
  sim::SimWindow window;
  std::u16string titleBeforeDress = u"unset", titleAfterDress;
  CZUL_TavrinDlg dialog(
      [&](const MainWindowSteps& steps) {
        titleBeforeDress = window.Title();
        steps.dressWindow();
        titleAfterDress = window.Title();
        return true;
      },
      shutdown);
  dialog.Attach(&window);
  EXPECT_EQ(dialog.OnMessage({window.Id(), msg::kInitDialog, 0, 0}), MessageResult(1));
  EXPECT_EQ(titleBeforeDress, u"");
  EXPECT_EQ(titleAfterDress, u"Varkel游戏鼠");
  EXPECT_EQ(window.SystemMenuItems().size(), 1u);
  EXPECT_EQ(window.LargeIcon(), IDR_MAINFRAME);

  dialog.OnMessage({window.Id(), msg::kClose, 0, 0});
  EXPECT_EQ(shutdown.runs, 1);
  EXPECT_FALSE(window.Destroyed());  // the exit sequence ends the window itself
}

TEST(MainWindow, DeviceChangesGoToTheirHandler) {
  sim::SimWindow window;
  CZUL_TavrinDlg dialog;
  dialog.Attach(&window);
  const WindowMessage arrival{window.Id(), msg::kDeviceChange, 0x8000, 1234};
  EXPECT_EQ(dialog.OnMessage(arrival), std::nullopt);  // no handler yet: the default answer

  std::uintptr_t seenEvent = 0;
  std::intptr_t seenData = 0;
  dialog.SetDeviceChangeHandler([&](std::uintptr_t event, std::intptr_t data) {
    seenEvent = event;
    seenData = data;
    return std::intptr_t{1};
  });
  EXPECT_EQ(dialog.OnMessage(arrival), MessageResult(1));
  EXPECT_EQ(seenEvent, 0x8000u);
  EXPECT_EQ(seenData, 1234);
}

// Paint and pointer messages reach the views; erasing is answered as done.
TEST(MainWindow, PaintAndPointerMessagesReachTheViews) {
  viewtest::ViewRig rig;
  struct NoShutdown : Shutdown {
    void ShutdownDriver() override {}
  } shutdown;
  CZUL_TavrinDlg dialog([](const MainWindowSteps&) { return true; }, shutdown, &rig.ctx);
  dialog.Attach(&rig.window);
  const auto send = [&](std::uint32_t id, std::int32_t x, std::int32_t y) {
    return dialog.OnMessage({rig.window.Id(), id, 0, msg::PointParam(x, y)});
  };
  EXPECT_EQ(dialog.OnMessage({rig.window.Id(), msg::kEraseBackground, 0, 0}), MessageResult(1));

  const auto slot = rig.Main(17);
  EXPECT_EQ(send(msg::kMouseMove, slot.x, slot.y), MessageResult(0));
  EXPECT_EQ(rig.view.mainHover, 17);
  send(msg::kMouseMove, -5, slot.y);  // negative coordinates come as signed 16-bit halves
  EXPECT_EQ(rig.view.mainHover, kNoElement);

  const auto profile = rig.Main(6);
  send(msg::kMouseMove, profile.x, profile.y);
  send(msg::kLeftButtonDown, profile.x, profile.y);
  EXPECT_TRUE(rig.view.pressed);
  send(msg::kLeftButtonUp, profile.x, profile.y);
  EXPECT_EQ(rig.model.currentProfile, 3);

  EXPECT_EQ(dialog.OnMessage({rig.window.Id(), msg::kPaint, 0, 0}), MessageResult(0));
  EXPECT_TRUE(rig.window.Presented());
}

// A window class with a map of each kind of entry, to see how messages are routed.
class Routed : public WindowClass {
 public:
  MessageResult OnMessage(const WindowMessage& message) override;
  MessageResult OnPaint(const WindowMessage&) { return 10; }
  MessageResult OnInsert(const WindowMessage& m) { return 20 + (LowWord(m.wParam) - 32802); }
  MessageResult OnQuit(const WindowMessage&) { return 30; }
  MessageResult OnSession(const WindowMessage&) { return std::nullopt; }
  static const MessageMapEntry<Routed> kMap[];
};

const MessageMapEntry<Routed> Routed::kMap[] = {
    OnMessageEntry(msg::kPaint, &Routed::OnPaint),
    OnCommandEntry(32802, 32807, &Routed::OnInsert),
    OnCommandEntry(32800, 32800, &Routed::OnQuit),
    OnMessageEntry(msg::kEndSession, &Routed::OnSession),
};

MessageResult Routed::OnMessage(const WindowMessage& message) {
  return RouteMessage<Routed>(*this, kMap, message);
}

TEST(MessageMap, RoutesByMessageAndCommandId) {
  struct Case {
    const char* name;
    std::uint32_t message;
    std::uintptr_t wParam;
    MessageResult result;
  };
  const Case cases[] = {
      {"plain message", msg::kPaint, 0, 10},
      {"first of a command range", msg::kCommand, 32802, 20},
      {"last of a command range", msg::kCommand, 32807, 25},
      {"notification code above the id", msg::kCommand, (1u << 16) | 32800, 30},
      {"command between the ranges", msg::kCommand, 32801, std::nullopt},
      {"command past the range", msg::kCommand, 32808, std::nullopt},
      {"message not in the map", msg::kClose, 0, std::nullopt},
      {"handler asks for the default handling", msg::kEndSession, 1, std::nullopt},
  };
  Routed routed;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(routed.OnMessage({1, c.message, c.wParam, 0}), c.result);
  }
}

}  // namespace
}  // namespace varkel
