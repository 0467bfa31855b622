#include "macros/KeyboardFilter.h"

#include "platform/Messages.h"
#include "platform/VirtualKeys.h"

namespace varkel {

bool IsKeyMessage(std::uint32_t id) { return IsKeyDown(id) || id == msg::kKeyUp || id == msg::kSysKeyUp; }

bool IsKeyDown(std::uint32_t id) { return id == msg::kKeyDown || id == msg::kSysKeyDown; }

bool KeyboardFilterSwallows(const WindowMessage& message) {
  if (message.id == msg::kKeyDown && (message.wParam == vk::kEscape || message.wParam == vk::kReturn)) return true;
  return IsKeyMessage(message.id) && message.wParam == vk::kF10;
}

}  // namespace varkel
