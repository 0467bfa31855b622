#include "app/CZUL_TavrinDlg.h"

#include "app/AppIdentity.h"
#include "app/ResourceIds.h"

namespace varkel {

const MessageMapEntry<CZUL_TavrinDlg> CZUL_TavrinDlg::kMessageMap[] = {
    OnMessageEntry(msg::kInitDialog, &CZUL_TavrinDlg::OnInitDialog),
    OnMessageEntry(msg::kClose, &CZUL_TavrinDlg::OnClose),
    OnMessageEntry(msg::kDeviceChange, &CZUL_TavrinDlg::OnDeviceChange),
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
  window_->AddSystemMenuItem(IDM_ABOUTBOX, IDS_ABOUTBOX);
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

}  // namespace varkel
