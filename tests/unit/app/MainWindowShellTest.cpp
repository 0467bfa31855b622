// The main window beside the desktop: the notification area and its menu,
// minimising, the About box, the end of the session, the controls' colours.
#include <gtest/gtest.h>

#include <sstream>

#include "app/CZUL_TavrinDlg.h"
#include "app/ResourceIds.h"
#include "app/TrayIcon.h"
#include "device/FindDevice.h"
#include "platform/sim/ProgramMenus.h"
#include "platform/sim/SimMenus.h"
#include "unit/device/DeviceRig.h"
#include "views/ShellOperations.h"

namespace varkel {
namespace {

using Log = std::vector<std::string>;

using syscommand::kRestore;  // the taskbar's restore
constexpr std::uint32_t kCloseCommand = syscommand::kClose;

// Every fake writes into one log, so that the order across them shows.
struct LoggingWindow final : Window {
  explicit LoggingWindow(Log& log) : log(log) {}
  WindowId Id() const override { return 77; }
  void SetTitle(std::u16string_view) override {}
  void SetLargeIcon(int) override {}
  void AddSystemMenuItem(int, int) override {}
  void Show(ShowCommand command) override { log.push_back("show " + std::to_string(static_cast<int>(command))); }
  void Destroy() override { log.push_back("destroy"); }
  void EndModal(int result) override { log.push_back("end modal " + std::to_string(result)); }
  void SetItemText(int, std::u16string_view) override {}
  bool IsItemChecked(int) override { return false; }
  void StartTimer(int, int) override {}
  void Invalidate() override {}
  void InvalidateRegion(const Region&) override {}
  void UpdateNow() override {}
  void Post(std::uint32_t, std::uintptr_t, std::intptr_t) override {}
  bool IsMinimized() const override { return false; }
  void Paint(Extent, const std::function<bool(Canvas&)>&) override {}
  Log& log;
};

struct LoggingDesktop final : Desktop {
  explicit LoggingDesktop(Log& log) : log(log) {}
  void AddTrayIcon() override { log.push_back("tray add"); }
  ScreenPoint PointerPosition() override {
    log.push_back("pointer");
    return pointer;
  }
  void BringMainWindowToForeground() override { log.push_back("foreground"); }
  std::intptr_t DragIcon() override { return 0x159; }
  Log& log;
  ScreenPoint pointer{300, 200};
};

struct LoggingHost final : MainWindowHost {
  explicit LoggingHost(Log& log) : log(log) {}
  void RemoveTrayIcon() override { log.push_back("tray remove"); }
  void DestroyMainWindow() override { log.push_back("window destroy"); }
  Log& log;
};

struct LoggingColours final : ControlColours {
  explicit LoggingColours(Log& log) : log(log) {}
  GraphicsObject MakeFont(std::u16string_view face, std::int32_t tenths) override {
    log.push_back("font " + std::string(face == u"宋体" ? "宋体" : "other") + " " + std::to_string(tenths));
    return 11;
  }
  GraphicsObject MakeSolidBrush(Rgb c) override {
    log.push_back("brush " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
    return 22;
  }
  void Release(GraphicsObject object) override { log.push_back("release " + std::to_string(object)); }
  void StyleControl(std::uintptr_t canvas, GraphicsObject font, Rgb text, Rgb back) override {
    log.push_back("style " + std::to_string(canvas) + " font " + std::to_string(font) + " text " +
                  std::to_string(text.r) + "," + std::to_string(text.g) + "," + std::to_string(text.b) + " on " +
                  std::to_string(back.r) + "," + std::to_string(back.g) + "," + std::to_string(back.b));
  }
  Log& log;
};

// Runs a modal window as a person would: it is made, then its OK is pressed.
struct PressingOk final : DialogHost {
  explicit PressingOk(Log& log) : log(log) {}
  int RunModal(int templateId, WindowClass& windowClass, Window* owner) override {
    log.push_back("modal " + std::to_string(templateId) + " owner " + std::to_string(owner ? owner->Id() : 0));
    Log inner;
    LoggingWindow box(inner);
    windowClass.Attach(&box);
    windowClass.OnMessage({box.Id(), msg::kInitDialog, 0, 0});
    windowClass.OnMessage({box.Id(), msg::kCommand, 1, 0});
    windowClass.Attach(nullptr);
    log.insert(log.end(), inner.begin(), inner.end());
    return 1;
  }
  bool CreateModeless(int, WindowClass&, Window*) override { return false; }
  Log& log;
};

struct CountingShutdown final : Shutdown {
  explicit CountingShutdown(Log& log) : log(log) {}
  void ShutdownDriver() override { log.push_back("exit sequence"); }
  Log& log;
};

// The main window with its shell on fakes; the menus as the resources have them.
// An open popup takes the command `choice` (0: closed with no choice).
struct Shell {
  Log log;
  LoggingWindow window{log};
  LoggingDesktop desktop{log};
  LoggingHost host{log};
  LoggingColours colours{log};
  PressingOk dialogs{log};
  CountingShutdown shutdown{log};
  sim::SimMenus menus;
  std::uint16_t choice = 0;
  CZUL_TavrinDlg dialog{[](const MainWindowSteps&) { return true; }, shutdown};

  Shell() {
    sim::DefineProgramMenus(menus);
    menus.SetPopupObserver([this](const sim::SimMenu& popup, const sim::SimMenu::OpenedPopup& at) {
      log.push_back("menu open " + std::to_string(popup.ResourceId()) + " " + std::to_string(at.at.x) + " " +
                    std::to_string(at.at.y) + " owner " + std::to_string(at.owner));
      if (choice) Send(msg::kCommand, choice);
    });
    dialog.Attach(&window);
    dialog.SetShell({desktop, host, menus, dialogs, colours, [this] { log.push_back("apply"); }});
    dialog.PrepareTrayMenu();
  }

  MessageResult Send(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
    return dialog.OnMessage({window.Id(), id, wParam, lParam});
  }
  // What the platform does with a system command the window leaves to it.
  void SysCommand(std::uint32_t command) {
    if (Send(msg::kSysCommand, command)) return;
    if ((command & 0xFFF0) == kRestore) window.Show(ShowCommand::Restore);
    if ((command & 0xFFF0) == kCloseCommand) Send(msg::kClose);
  }
  void Tray(std::uint32_t mouseMessage, std::uintptr_t iconId = kTrayIconId) {
    EXPECT_EQ(Send(kTrayCallbackMessage, iconId, mouseMessage), MessageResult(0));
  }
  // As the views' elements 13 and 2 do it.
  void HideToTray() { varkel::HideToTray(desktop, window); }
  Log Take() { return std::exchange(log, {}); }
};

// The window's state as the person sees it, from what the program asked of
// the window, the notification area and the exit sequence.
std::string StateOf(const Log& log, const std::string& from) {
  bool visible = from != "hidden with icon";
  bool minimised = from != "shown";
  bool icon = from == "hidden with icon";
  for (const auto& line : log) {
    if (line == "exit sequence" || line == "window destroy" || line == "destroy") return "gone";
    if (line == "tray add") icon = true;
    if (line == "tray remove") icon = false;
    if (line == "show 0") visible = false;
    if (line == "show 5") visible = true;
    if (line == "show 6") visible = minimised = true;
    if (line == "show 9") visible = true, minimised = false;
  }
  const std::string shown = minimised ? "minimised" : "shown";
  if (!visible) return icon ? "hidden with icon" : "hidden";
  return icon ? shown + " with icon" : shown;
}

TEST(MainWindowShell, StateTable) {
  struct Case {
    const char* from;
    const char* event;
    const char* to;
  };
  const Case cases[] = {
      {"shown", "hide to tray", "hidden with icon"},
      {"shown", "minimise", "minimised"},
      {"minimised", "taskbar restore", "shown"},
      {"hidden with icon", "icon double-click", "shown"},
      {"hidden with icon", "menu show", "shown"},
      {"shown", "close", "gone"},
      {"hidden with icon", "close", "gone"},
      {"minimised", "close", "gone"},
      {"shown", "system menu close", "gone"},
      {"hidden with icon", "menu quit", "gone"},
      {"shown", "menu quit", "gone"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " / " + c.event);
    Shell shell;
    const std::string from = c.from;
    if (from == "hidden with icon") shell.HideToTray();
    if (from == "minimised") shell.SysCommand(syscommand::kMinimize);
    ASSERT_EQ(StateOf(shell.Take(), "shown"), from);

    const std::string event = c.event;
    if (event == "hide to tray") shell.HideToTray();
    if (event == "minimise") shell.SysCommand(syscommand::kMinimize);
    if (event == "taskbar restore") shell.SysCommand(kRestore);
    if (event == "icon double-click") shell.Tray(msg::kLeftButtonDoubleClick);
    if (event == "close") shell.Send(msg::kClose);
    if (event == "system menu close") shell.SysCommand(kCloseCommand);
    if (event == "menu show" || event == "menu quit") {
      shell.choice = event == "menu show" ? ID_TRAY_SHOW : ID_TRAY_QUIT;
      shell.Tray(msg::kRightButtonUp);
    }
    EXPECT_EQ(StateOf(shell.Take(), from), c.to);
  }
}

TEST(MainWindowShell, EachTransitionAsksForExactlyThis) {
  struct Case {
    const char* name;
    std::function<void(Shell&)> act;
    Log log;
  };
  const Case cases[] = {
      {"hide: icon first, then minimised and hidden", [](Shell& s) { s.HideToTray(); },
       {"tray add", "show 6", "show 0"}},
      {"double-click: icon removed, then shown and restored", [](Shell& s) { s.Tray(0x203); },
       {"tray remove", "show 5", "show 9"}},
      {"show command: shown and restored, then the icon removed", [](Shell& s) { s.Send(msg::kCommand, 32801); },
       {"show 5", "show 9", "tray remove"}},
      {"quit command", [](Shell& s) { s.Send(msg::kCommand, 32800); }, {"exit sequence"}},
      {"right button up: the first popup at the pointer, window in front, closed without a choice",
       [](Shell& s) { s.Tray(0x205); }, {"pointer", "foreground", "menu open 157 300 200 owner 77"}},
      {"another icon's callback", [](Shell& s) { s.Tray(0x203, 154); }, {}},
      {"other mouse messages", [](Shell& s) {
         for (std::uint32_t m : {0x200u, 0x201u, 0x202u, 0x204u, 0x206u, 0x207u}) s.Tray(m);
       }, {}},
      {"minimise keeps the taskbar entry and adds no icon", [](Shell& s) { s.SysCommand(0xF020); }, {"show 6"}},
      {"low four bits of the command ignored", [](Shell& s) { s.SysCommand(0xF02F); }, {"show 6"}},
      {"About box: modal over the main window, closed by OK", [](Shell& s) { s.SysCommand(16); },
       {"modal 100 owner 77", "end modal 1"}},
      {"About box from 16 with low bits set", [](Shell& s) { s.SysCommand(19); },
       {"modal 100 owner 77", "end modal 1"}},
      {"end of session: apply, nothing of the exit sequence", [](Shell& s) { s.Send(msg::kEndSession, 1); },
       {"apply"}},
      {"end of session cancelled: apply all the same", [](Shell& s) { s.Send(msg::kEndSession, 0); }, {"apply"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Shell shell;
    shell.Take();
    c.act(shell);
    EXPECT_EQ(shell.Take(), c.log);
  }
}

TEST(MainWindowShell, AnswersTheSystemAndLeavesTheRestToIt) {
  Shell shell;
  EXPECT_EQ(shell.Send(msg::kQueryDragIcon), MessageResult(0x159));
  // The end of the session then gets the platform's own handling.
  EXPECT_EQ(shell.Send(msg::kEndSession, 1), std::nullopt);
  for (std::uint32_t command : {0xF060u, 0xF120u, 0xF030u, 0xF100u}) {
    SCOPED_TRACE(command);
    EXPECT_EQ(shell.Send(msg::kSysCommand, command), std::nullopt);
  }
  EXPECT_EQ(shell.Send(msg::kSysCommand, 16), MessageResult(0));
  EXPECT_EQ(shell.Send(msg::kSysCommand, 0xF020), MessageResult(0));
}

TEST(MainWindowShell, ChildControlsAreWhiteOnBlackInOneFontAndBrush) {
  Shell shell;
  shell.Take();
  for (std::uint32_t message : {msg::kCtlColorEdit, msg::kCtlColorListBox, msg::kCtlColorStatic}) {
    SCOPED_TRACE(message);
    EXPECT_EQ(shell.Send(message, 500 + message, 9), MessageResult(22));  // the black brush
  }
  EXPECT_EQ(shell.Take(), (Log{"font 宋体 100", "brush 0,0,0", "style 807 font 11 text 255,255,255 on 0,0,0",
                              "style 808 font 11 text 255,255,255 on 0,0,0",
                              "style 812 font 11 text 255,255,255 on 0,0,0"}));
  {
    Log log;
    LoggingColours colours(log);
    {
      ChildControlColours scheme(colours);
      scheme.Style(1);
    }
    EXPECT_EQ(log.back(), "release 22");  // kept until the window goes
  }
}

// Without its shell (the tests of the window alone, a start-up that failed)
// the window leaves these messages to the platform.
TEST(MainWindowShell, WithoutAShellTheWindowStillMinimisesAndCloses) {
  Log log;
  LoggingWindow window(log);
  CZUL_TavrinDlg dialog;
  dialog.Attach(&window);
  for (std::uint32_t message : {msg::kQueryDragIcon, msg::kEndSession, msg::kCtlColorEdit}) {
    EXPECT_EQ(dialog.OnMessage({window.Id(), message, 0, 0}), std::nullopt);
  }
  EXPECT_EQ(dialog.OnMessage({window.Id(), msg::kSysCommand, 16, 0}), std::nullopt);
  dialog.OnMessage({window.Id(), kTrayCallbackMessage, kTrayIconId, msg::kRightButtonUp});
  dialog.OnMessage({window.Id(), msg::kSysCommand, syscommand::kMinimize, 0});
  dialog.OnMessage({window.Id(), msg::kCommand, ID_TRAY_QUIT, 0});
  EXPECT_EQ(log, (Log{"show 6", "destroy"}));
}

// Pulling the mouse out while the window sits in the notification area ends
// the program: the icon goes, the window is destroyed, no exit report.
TEST(MainWindowShell, UnplugEndsAHiddenWindow) {
  Shell shell;
  testing::DeviceRig rig;
  shell.dialog.SetDeviceChangeHandler([&](std::uintptr_t event, std::intptr_t data) {
    return OnDeviceChangeMessage(event, data, rig.mouse, rig.link, shell.host);
  });
  rig.mouse.WatchArrivalsAndRemovals();
  rig.mouse.SetNoticeObserver([&](const DeviceNotice& notice) {
    const auto [event, data] = sim::SimMouse::NoticeMessage(notice);
    shell.Send(msg::kDeviceChange, event, data);
  });
  shell.HideToTray();
  ASSERT_EQ(StateOf(shell.Take(), "shown"), "hidden with icon");
  rig.mouse.Unplug();
  EXPECT_EQ(shell.Take(), (Log{"tray remove", "window destroy"}));
  EXPECT_FALSE(rig.mouse.GetState().exitReceived);
}

TEST(MainWindowShell, MenuItemsGoToTheMenuThatHoldsThem) {
  Shell shell;
  shell.menus.Define(IDR_EVENT_LIST_MENU, {sim::SimMenu::Popup(u"MENU_CN", {sim::SimMenu::Command(u"修改延迟", ID_CHANGE_DELAY)})});
  shell.dialog.PrepareEventListMenu();
  ASSERT_EQ(shell.menus.Loaded().size(), 2u);
  const std::uintptr_t trayShow = shell.menus.Loaded()[0]->SubMenuAt(0)->ItemData(0);
  const std::uintptr_t changeDelay = shell.menus.Loaded()[1]->SubMenuAt(0)->ItemData(0);
  EXPECT_EQ(shell.dialog.MeasureMenuItem(trayShow), (Extent{56, 20}));
  EXPECT_EQ(shell.dialog.MeasureMenuItem(changeDelay), (Extent{32, 20}));
  EXPECT_EQ(shell.dialog.MeasureMenuItem(0), std::nullopt);
  EXPECT_EQ(shell.dialog.EventListMenu().Items().size(), 2u);
}

}  // namespace
}  // namespace varkel
