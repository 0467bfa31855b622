#pragma once
// Message maps: a window class routes each message through a table of
// (message, command ids) -> method, one handler per message or command.
#include <cstdint>
#include <span>

#include "platform/Messages.h"
#include "platform/Window.h"

namespace varkel {

template <class Owner>
struct MessageMapEntry {
  std::uint32_t message;
  // For msg::kCommand: the command ids handled, first to last. Else unused.
  std::uint16_t firstCommand;
  std::uint16_t lastCommand;
  MessageResult (Owner::*handler)(const WindowMessage&);
};

template <class Owner>
constexpr MessageMapEntry<Owner> OnMessageEntry(std::uint32_t message,
                                                MessageResult (Owner::*handler)(const WindowMessage&)) {
  return {message, 0, 0, handler};
}

template <class Owner>
constexpr MessageMapEntry<Owner> OnCommandEntry(std::uint16_t first, std::uint16_t last,
                                                MessageResult (Owner::*handler)(const WindowMessage&)) {
  return {msg::kCommand, first, last, handler};
}

// Runs the first entry that matches; nullopt (default handling) when none does.
template <class Owner>
MessageResult RouteMessage(Owner& owner, std::span<const MessageMapEntry<Owner>> map,
                           const WindowMessage& message) {
  const std::uint16_t command = LowWord(message.wParam);
  for (const auto& entry : map) {
    if (entry.message != message.id) continue;
    if (message.id == msg::kCommand && (command < entry.firstCommand || command > entry.lastCommand)) continue;
    return (owner.*entry.handler)(message);
  }
  return std::nullopt;
}

}  // namespace varkel
