#include "app/CZUL_TavrinDlg.h"

#include "app/AppIdentity.h"
#include "app/CAboutDlg.h"
#include "app/ResourceIds.h"
#include "app/TrayIcon.h"

namespace varkel {

const MessageMapEntry<CZUL_TavrinDlg> CZUL_TavrinDlg::kMessageMap[] = {
    OnMessageEntry(msg::kInitDialog, &CZUL_TavrinDlg::OnInitDialog),
    OnMessageEntry(msg::kClose, &CZUL_TavrinDlg::OnClose),
    OnMessageEntry(msg::kDeviceChange, &CZUL_TavrinDlg::OnDeviceChange),
    OnMessageEntry(msg::kSysCommand, &CZUL_TavrinDlg::OnSysCommand),
    OnMessageEntry(msg::kQueryDragIcon, &CZUL_TavrinDlg::OnQueryDragIcon),
    OnMessageEntry(msg::kEndSession, &CZUL_TavrinDlg::OnEndSession),
    OnMessageEntry(msg::kCtlColorEdit, &CZUL_TavrinDlg::OnCtlColor),
    OnMessageEntry(msg::kCtlColorListBox, &CZUL_TavrinDlg::OnCtlColor),
    OnMessageEntry(msg::kCtlColorButton, &CZUL_TavrinDlg::OnCtlColor),
    OnMessageEntry(msg::kCtlColorScrollBar, &CZUL_TavrinDlg::OnCtlColor),
    OnMessageEntry(msg::kCtlColorStatic, &CZUL_TavrinDlg::OnCtlColor),
    OnMessageEntry(kTrayCallbackMessage, &CZUL_TavrinDlg::OnTrayIcon),
    OnCommandEntry(ID_TRAY_QUIT, ID_TRAY_QUIT, &CZUL_TavrinDlg::OnTrayQuit),
    OnCommandEntry(ID_TRAY_SHOW, ID_TRAY_SHOW, &CZUL_TavrinDlg::OnTrayShow),
    OnMessageEntry(msg::kPaint, &CZUL_TavrinDlg::OnPaint),
    OnMessageEntry(msg::kEraseBackground, &CZUL_TavrinDlg::OnEraseBackground),
    OnMessageEntry(msg::kMouseMove, &CZUL_TavrinDlg::OnMouseMove),
    OnMessageEntry(msg::kLeftButtonDown, &CZUL_TavrinDlg::OnLeftButtonDown),
    OnMessageEntry(msg::kLeftButtonUp, &CZUL_TavrinDlg::OnLeftButtonUp),
};

MessageResult CZUL_TavrinDlg::OnMessage(const WindowMessage& message) {
  return RouteMessage<CZUL_TavrinDlg>(*this, kMessageMap, message);
}

MessageResult CZUL_TavrinDlg::OnInitDialog(const WindowMessage&) {
  if (!startUp_) {
    DressWindow();
    return 1;
  }
  startUp_({.dressWindow = [this] { DressWindow(); },
            .prepareEventListMenu = [this] { PrepareEventListMenu(); },
            .placeEditLine = {},
            .prepareTrayMenu = [this] { PrepareTrayMenu(); }});
  return 1;  // the platform gives the default focus
}

void CZUL_TavrinDlg::DressWindow() {
  window_->AddSystemMenuItem(IDM_ABOUTBOX, IDS_ABOUTBOX);
  window_->SetLargeIcon(IDR_MAINFRAME);
  // From here on a second copy finds this window.
  window_->SetTitle(kAppName);
}

// The system's close (Alt+F4, the taskbar) quits the program; it does not hide it.
MessageResult CZUL_TavrinDlg::OnClose(const WindowMessage&) {
  RunExitSequence();
  return 0;
}

void CZUL_TavrinDlg::RunExitSequence() {
  if (shutdown_)
    shutdown_->ShutdownDriver();
  else
    window_->Destroy();
}

MessageResult CZUL_TavrinDlg::OnDeviceChange(const WindowMessage& message) {
  if (!onDeviceChange_) return std::nullopt;
  return onDeviceChange_(message.wParam, message.lParam);
}

void CZUL_TavrinDlg::SetShell(Shell shell) {
  controlColours_.reset();
  shell_.reset();
  shell_.emplace(std::move(shell));
  controlColours_.emplace(shell_->colours);
}

void CZUL_TavrinDlg::RemoveTrayIcon() {
  if (shell_) shell_->host.RemoveTrayIcon();
}

void CZUL_TavrinDlg::PrepareEventListMenu() {
  if (shell_ && eventListMenu_.Load(shell_->menus, IDR_EVENT_LIST_MENU)) eventListMenu_.MakeOwnerDraw();
}

void CZUL_TavrinDlg::PrepareTrayMenu() {
  if (shell_ && trayMenu_.Load(shell_->menus, IDR_TRAY_MENU)) trayMenu_.MakeOwnerDraw();
}

const CZulMenu* CZUL_TavrinDlg::MenuOwning(std::uintptr_t itemData) const {
  for (const CZulMenu* menu : {&eventListMenu_, &trayMenu_})
    if (menu->Owns(itemData)) return menu;
  return nullptr;
}

std::optional<Extent> CZUL_TavrinDlg::MeasureMenuItem(std::uintptr_t itemData) const {
  const CZulMenu* menu = MenuOwning(itemData);
  return menu ? menu->MeasureItem(itemData) : std::nullopt;
}

bool CZUL_TavrinDlg::DrawMenuItem(Canvas& canvas, const MenuItemDrawing& item) const {
  const CZulMenu* menu = MenuOwning(item.itemData);
  if (!menu) return false;
  menu->DrawItem(canvas, item);
  return true;
}

// Minimising leaves the window on the taskbar; only HideToTray adds the icon.
MessageResult CZUL_TavrinDlg::OnSysCommand(const WindowMessage& message) {
  const std::uint32_t command = static_cast<std::uint32_t>(message.wParam) & 0xFFF0;
  if (command == IDM_ABOUTBOX && shell_) {
    CAboutDlg about;
    shell_->dialogs.RunModal(IDD_ABOUTBOX, about, window_);
    return 0;
  }
  if (command == syscommand::kMinimize) {
    window_->Show(ShowCommand::Minimize);
    return 0;
  }
  return std::nullopt;  // the system menu's Close thus becomes a close request
}

MessageResult CZUL_TavrinDlg::OnQueryDragIcon(const WindowMessage&) {
  if (!shell_) return std::nullopt;
  return shell_->desktop.DragIcon();
}

// The mouse keeps the profile for the next session; the exit sequence does not run.
MessageResult CZUL_TavrinDlg::OnEndSession(const WindowMessage&) {
  if (shell_ && shell_->applyProfile) shell_->applyProfile();
  return std::nullopt;
}

MessageResult CZUL_TavrinDlg::OnCtlColor(const WindowMessage& message) {
  if (!controlColours_) return std::nullopt;
  return controlColours_->Style(message.wParam);
}

MessageResult CZUL_TavrinDlg::OnTrayIcon(const WindowMessage& message) {
  if (message.wParam != kTrayIconId) return 0;
  switch (static_cast<std::uint32_t>(message.lParam)) {
    case msg::kLeftButtonDoubleClick:
      RemoveTrayIcon();
      ShowAgain();
      break;
    case msg::kRightButtonUp:
      OpenTrayMenu();
      break;
    default:
      break;
  }
  return 0;
}

// In the foreground, even while hidden, so that the menu closes when the
// person clicks elsewhere.
void CZUL_TavrinDlg::OpenTrayMenu() {
  if (!shell_) return;
  const ScreenPoint at = shell_->desktop.PointerPosition();
  shell_->desktop.BringMainWindowToForeground();
  trayMenu_.OpenSubMenu(0, at, window_->Id(), MenuTracking::LeftButton);
}

MessageResult CZUL_TavrinDlg::OnTrayShow(const WindowMessage&) {
  ShowAgain();
  RemoveTrayIcon();
  return 0;
}

void CZUL_TavrinDlg::ShowAgain() {
  window_->Show(ShowCommand::Show);
  window_->Show(ShowCommand::Restore);
}

MessageResult CZUL_TavrinDlg::OnTrayQuit(const WindowMessage&) {
  RunExitSequence();
  return 0;
}

MessageResult CZUL_TavrinDlg::OnPaint(const WindowMessage&) {
  if (!view_) return std::nullopt;
  view_->Paint(*window_);
  return 0;
}

// Painting covers every pixel itself: erasing first would only flicker.
MessageResult CZUL_TavrinDlg::OnEraseBackground(const WindowMessage&) { return 1; }

MessageResult CZUL_TavrinDlg::OnMouseMove(const WindowMessage& message) {
  return ToView(message, &MainWindowView::OnMouseMove);
}

MessageResult CZUL_TavrinDlg::OnLeftButtonDown(const WindowMessage& message) {
  return ToView(message, &MainWindowView::OnLeftButtonDown);
}

MessageResult CZUL_TavrinDlg::OnLeftButtonUp(const WindowMessage& message) {
  return ToView(message, &MainWindowView::OnLeftButtonUp);
}

MessageResult CZUL_TavrinDlg::ToView(const WindowMessage& message, PointerHandler handler) {
  if (!view_) return std::nullopt;
  ((*view_).*handler)(*window_, msg::PointX(message.lParam), msg::PointY(message.lParam));
  return 0;
}

}  // namespace varkel
