#include "macros/CEditHelper.h"

#include "platform/VirtualKeys.h"

namespace varkel {
namespace {

constexpr std::uintptr_t kKeepText = 1;
constexpr std::uintptr_t kDropText = 0;

}  // namespace

const MessageMapEntry<CEditHelper> CEditHelper::kMessageMap[] = {
    OnMessageEntry(msg::kKeyUp, &CEditHelper::OnKeyUp),
    OnMessageEntry(msg::kKillFocus, &CEditHelper::OnKillFocus),
};

MessageResult CEditHelper::OnMessage(const WindowMessage& message) {
  return RouteMessage<CEditHelper>(*this, kMessageMap, message);
}

// Only key-ups get here: the main window swallows the key-downs of Enter
// and Escape before any control sees them.
MessageResult CEditHelper::OnKeyUp(const WindowMessage& message) {
  if (message.wParam == vk::kReturn) box_->SendToParent(WM_INPLACE_END, kKeepText, 0);
  if (message.wParam == vk::kEscape) box_->SendToParent(WM_INPLACE_END, kDropText, 0);
  return std::nullopt;
}

MessageResult CEditHelper::OnKillFocus(const WindowMessage&) {
  box_->SendToParent(WM_INPLACE_END, kKeepText, 0);
  return std::nullopt;
}

}  // namespace varkel
