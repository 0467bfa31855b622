#pragma once
// The demo's window onto the simulated mouse: what the program has set in
// it, and its six buttons for a person to click or hold down.
#include <cstddef>
#include <string>

#include "platform/MessageMap.h"
#include "platform/Window.h"
#include "platform/sim/SimMouse.h"

namespace varkel::sim {

// The mouse's state as the panel shows it, buttons in the program's order.
std::u16string DescribeMouse(const SimMouse::State& state, bool plugged, std::size_t featureReports);

class SimMousePanel : public WindowClass {
 public:
  explicit SimMousePanel(SimMouse& mouse) : mouse_(mouse) {}
  MessageResult OnMessage(const WindowMessage& message) override;

 private:
  MessageResult OnInitDialog(const WindowMessage& message);
  MessageResult OnTimer(const WindowMessage& message);
  MessageResult OnMouseActivate(const WindowMessage& message);
  MessageResult OnClick(const WindowMessage& message);
  MessageResult OnHold(const WindowMessage& message);
  MessageResult OnPlug(const WindowMessage& message);
  void Refresh();

  static const MessageMapEntry<SimMousePanel> kMessageMap[];

  SimMouse& mouse_;
  bool plugged_ = true;
};

}  // namespace varkel::sim
