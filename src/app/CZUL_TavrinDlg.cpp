#include "app/CZUL_TavrinDlg.h"

#include "app/AppIdentity.h"
#include "app/ResourceIds.h"

namespace varkel {

const MessageMapEntry<CZUL_TavrinDlg> CZUL_TavrinDlg::kMessageMap[] = {
    OnMessageEntry(msg::kInitDialog, &CZUL_TavrinDlg::OnInitDialog),
    OnMessageEntry(msg::kClose, &CZUL_TavrinDlg::OnClose),
};

MessageResult CZUL_TavrinDlg::OnMessage(const WindowMessage& message) {
  return RouteMessage<CZUL_TavrinDlg>(*this, kMessageMap, message);
}

MessageResult CZUL_TavrinDlg::OnInitDialog(const WindowMessage&) {
  window_->SetLargeIcon(IDR_MAINFRAME);
  // From here on a second copy finds this window.
  window_->SetTitle(kAppName);
  return 1;  // the platform gives the default focus
}

MessageResult CZUL_TavrinDlg::OnClose(const WindowMessage&) {
  window_->Destroy();
  return 0;
}

}  // namespace varkel
