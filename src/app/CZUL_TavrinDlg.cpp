#include "app/CZUL_TavrinDlg.h"

#include "app/AppIdentity.h"
#include "app/ResourceIds.h"

namespace varkel {

const MessageMapEntry<CZUL_TavrinDlg> CZUL_TavrinDlg::kMessageMap[] = {
    OnMessageEntry(msg::kInitDialog, &CZUL_TavrinDlg::OnInitDialog),
    OnMessageEntry(msg::kClose, &CZUL_TavrinDlg::OnClose),
    OnMessageEntry(msg::kDeviceChange, &CZUL_TavrinDlg::OnDeviceChange),
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
  if (startUp_)
    startUp_([this] { DressWindow(); });
  else
    DressWindow();
  return 1;  // the platform gives the default focus
}

void CZUL_TavrinDlg::DressWindow() {
  window_->SetLargeIcon(IDR_MAINFRAME);
  // From here on a second copy finds this window.
  window_->SetTitle(kAppName);
}

// The system's close (Alt+F4, the taskbar) quits the program; it does not hide it.
MessageResult CZUL_TavrinDlg::OnClose(const WindowMessage&) {
  if (shutdown_)
    shutdown_->ShutdownDriver();
  else
    window_->Destroy();
  return 0;
}

MessageResult CZUL_TavrinDlg::OnDeviceChange(const WindowMessage& message) {
  if (!onDeviceChange_) return std::nullopt;
  return onDeviceChange_(message.wParam, message.lParam);
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
