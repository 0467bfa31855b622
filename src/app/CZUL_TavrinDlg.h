#pragma once
// The main window, made from dialog template 102.
#include "platform/MessageMap.h"
#include "platform/Window.h"

namespace varkel {

class CZUL_TavrinDlg : public WindowClass {
 public:
  MessageResult OnMessage(const WindowMessage& message) override;

 private:
  MessageResult OnInitDialog(const WindowMessage& message);
  MessageResult OnClose(const WindowMessage& message);

  static const MessageMapEntry<CZUL_TavrinDlg> kMessageMap[];
};

}  // namespace varkel
