#pragma once
// The event list's in-place editor: an edit box over one line of the list.
// Enter keeps what was typed, Escape drops it, and leaving the box keeps it;
// each of them asks the list (its parent) to end the edit.
#include <memory>

#include "platform/Controls.h"
#include "platform/MessageMap.h"

namespace varkel {

// From the editor to its list: end the edit, keeping the text when wParam is non-zero.
constexpr std::uint32_t WM_INPLACE_END = 0x8841;

class CEditHelper final : public WindowClass {
 public:
  explicit CEditHelper(ControlFactory& controls) : box_(controls.MakeEditBox(this)) {}

  EditBoxWindow& Box() { return *box_; }
  const EditBoxWindow& Box() const { return *box_; }

  MessageResult OnMessage(const WindowMessage& message) override;

 private:
  MessageResult OnKeyUp(const WindowMessage& message);
  MessageResult OnKillFocus(const WindowMessage& message);

  static const MessageMapEntry<CEditHelper> kMessageMap[];

  std::unique_ptr<EditBoxWindow> box_;
};

}  // namespace varkel
