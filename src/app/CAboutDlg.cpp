#include "app/CAboutDlg.h"

namespace varkel {
namespace {

// The system's ids of a dialog's OK and Cancel commands.
constexpr std::uint16_t kOk = 1;
constexpr std::uint16_t kCancel = 2;

}  // namespace

const MessageMapEntry<CAboutDlg> CAboutDlg::kMessageMap[] = {
    OnMessageEntry(msg::kInitDialog, &CAboutDlg::OnInitDialog),
    OnCommandEntry(kOk, kCancel, &CAboutDlg::OnOkOrCancel),
};

MessageResult CAboutDlg::OnMessage(const WindowMessage& message) {
  return RouteMessage<CAboutDlg>(*this, kMessageMap, message);
}

MessageResult CAboutDlg::OnInitDialog(const WindowMessage&) {
  return 1;  // the platform gives OK the focus
}

MessageResult CAboutDlg::OnOkOrCancel(const WindowMessage& message) {
  window_->EndModal(LowWord(message.wParam));
  return 0;
}

}  // namespace varkel
