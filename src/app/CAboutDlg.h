#pragma once
// The About box (template 100): the program's icon, name and version. Its
// OK button closes it, as do Escape and its close box.
#include "platform/MessageMap.h"
#include "platform/Window.h"

namespace varkel {

class CAboutDlg : public WindowClass {
 public:
  MessageResult OnMessage(const WindowMessage& message) override;

 private:
  MessageResult OnInitDialog(const WindowMessage& message);
  MessageResult OnOkOrCancel(const WindowMessage& message);

  static const MessageMapEntry<CAboutDlg> kMessageMap[];
};

}  // namespace varkel
