#pragma once
// The main window, made from dialog template 102.
#include <cstdint>
#include <functional>
#include <optional>

#include "app/ChildControlColours.h"
#include "app/MainWindowSteps.h"
#include "device/DeviceHost.h"
#include "macros/CZulMenu.h"
#include "platform/ControlColours.h"
#include "platform/Desktop.h"
#include "platform/DialogHost.h"
#include "platform/Menus.h"
#include "platform/Shutdown.h"
#include "platform/MessageMap.h"
#include "platform/Window.h"
#include "views/MainWindowView.h"

namespace varkel {

class CZUL_TavrinDlg : public WindowClass {
 public:
  // The program's start-up, run by the window's initialisation. It runs the
  // window's own steps in their places and returns whether the program
  // runs; when it does not, it has ended the window.
  using StartUpSequence = std::function<bool(const MainWindowSteps& steps)>;

  // Without a start-up the window only dresses itself; without an exit
  // sequence closing destroys it; without views it paints nothing and the
  // pointer does nothing.
  CZUL_TavrinDlg() = default;
  CZUL_TavrinDlg(StartUpSequence startUp, Shutdown& shutdown, ViewContext* views = nullptr)
      : startUp_(std::move(startUp)), shutdown_(&shutdown) {
    if (views) view_.emplace(*views);
  }

  // The mouse's arrival and removal notices (event and data of the system's
  // device-change message); answered with the handler's result.
  using DeviceChangeHandler = std::function<std::intptr_t(std::uintptr_t event, std::intptr_t data)>;
  void SetDeviceChangeHandler(DeviceChangeHandler handler) { onDeviceChange_ = std::move(handler); }

  // The window's life beside the desktop: the notification area, its menus,
  // the About box, the end of the session, the child controls' colours.
  // Until it is set those messages get the platform's default handling.
  struct Shell {
    Desktop& desktop;
    MainWindowHost& host;  // removes the notification-area icon
    Menus& menus;
    DialogHost& dialogs;  // the About box
    ControlColours& colours;
    std::function<void()> applyProfile;  // once more as the Windows session ends
  };
  void SetShell(Shell shell);

  void RemoveTrayIcon();

  // Load their menu resources and make every item owner-drawn (start-up).
  void PrepareEventListMenu();
  void PrepareTrayMenu();
  CZulMenu& EventListMenu() { return eventListMenu_; }

  // Owner-drawn menu items, for whichever of the two menus holds the item
  // data: nothing (and no drawing) for item data of neither.
  std::optional<Extent> MeasureMenuItem(std::uintptr_t itemData) const override;
  bool DrawMenuItem(Canvas& canvas, const MenuItemDrawing& item) const override;

  MessageResult OnMessage(const WindowMessage& message) override;

 private:
  MessageResult OnInitDialog(const WindowMessage& message);
  MessageResult OnClose(const WindowMessage& message);
  MessageResult OnDeviceChange(const WindowMessage& message);
  MessageResult OnSysCommand(const WindowMessage& message);
  MessageResult OnQueryDragIcon(const WindowMessage& message);
  MessageResult OnEndSession(const WindowMessage& message);
  MessageResult OnCtlColor(const WindowMessage& message);
  MessageResult OnTrayIcon(const WindowMessage& message);
  MessageResult OnTrayShow(const WindowMessage& message);
  MessageResult OnTrayQuit(const WindowMessage& message);
  MessageResult OnPaint(const WindowMessage& message);
  MessageResult OnEraseBackground(const WindowMessage& message);
  MessageResult OnMouseMove(const WindowMessage& message);
  MessageResult OnLeftButtonDown(const WindowMessage& message);
  MessageResult OnLeftButtonUp(const WindowMessage& message);
  using PointerHandler = void (MainWindowView::*)(Window&, std::int32_t x, std::int32_t y);
  MessageResult ToView(const WindowMessage& message, PointerHandler handler);
  void DressWindow();
  void RunExitSequence();
  void ShowAgain();
  void OpenTrayMenu();
  const CZulMenu* MenuOwning(std::uintptr_t itemData) const;

  static const MessageMapEntry<CZUL_TavrinDlg> kMessageMap[];

  StartUpSequence startUp_;
  Shutdown* shutdown_ = nullptr;
  DeviceChangeHandler onDeviceChange_;
  std::optional<Shell> shell_;
  std::optional<ChildControlColours> controlColours_;
  CZulMenu eventListMenu_;
  CZulMenu trayMenu_;
  std::optional<MainWindowView> view_;
};

}  // namespace varkel
