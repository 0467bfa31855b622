#include "platform/sim/SimMousePanel.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "device/FeatureReports.h"
#include "platform/sim/SimMousePanelIds.h"

namespace varkel::sim {
namespace {

constexpr int kRefreshTimer = 1;
constexpr int kRefreshMs = 100;
constexpr std::uint16_t kLastClick = IDC_CLICK_BUTTON_1 + 5;
constexpr std::uint16_t kLastHold = IDC_HOLD_BUTTON_1 + 5;
constexpr std::uint16_t kClicked = 0;  // a Click control's notification of a click

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

// Program button n (1 to 6) is this button of the mouse.
int PhysicalOf(int button) { return PhysicalButtonOrder[static_cast<std::size_t>(button - 1)]; }

}  // namespace

std::u16string DescribeMouse(const SimMouse::State& state, bool plugged, std::size_t featureReports) {
  char functions[6][8] = {};
  for (int button = 1; button <= 6; ++button)
    std::snprintf(functions[button - 1], sizeof functions[0], "%d=%02X", button,
                  state.functionOf[static_cast<std::size_t>(PhysicalOf(button))]);
  char text[320];
  std::snprintf(text, sizeof text,
                "%s%s\r\nFunctions (hex, 1F = software): %s %s %s %s %s %s\r\n"
                "DPI level %d, value %d; LED %d; wheel %d\r\nFeature reports received: %zu",
                plugged ? "Plugged in" : "Unplugged", state.exitReceived ? ", driver exit received" : "",
                functions[0], functions[1], functions[2], functions[3], functions[4], functions[5],
                state.dpiLevel, state.dpiValue, state.ledMode, state.wheel, featureReports);
  return Ascii(text);
}

const MessageMapEntry<SimMousePanel> SimMousePanel::kMessageMap[] = {
    OnMessageEntry(msg::kInitDialog, &SimMousePanel::OnInitDialog),
    OnMessageEntry(msg::kTimer, &SimMousePanel::OnTimer),
    OnMessageEntry(msg::kMouseActivate, &SimMousePanel::OnMouseActivate),
    OnCommandEntry(IDC_CLICK_BUTTON_1, kLastClick, &SimMousePanel::OnClick),
    OnCommandEntry(IDC_HOLD_BUTTON_1, kLastHold, &SimMousePanel::OnHold),
    OnCommandEntry(IDC_PLUG, IDC_PLUG, &SimMousePanel::OnPlug),
};

MessageResult SimMousePanel::OnMessage(const WindowMessage& message) {
  return RouteMessage<SimMousePanel>(*this, kMessageMap, message);
}

MessageResult SimMousePanel::OnInitDialog(const WindowMessage&) {
  window_->StartTimer(kRefreshTimer, kRefreshMs);
  Refresh();
  return 1;
}

MessageResult SimMousePanel::OnTimer(const WindowMessage&) {
  Refresh();
  return 0;
}

// A mouse's button leaves the keyboard where it is: a click on the panel
// does not take it from the window in front, which gets what the driver
// types. (The Click controls are notifying statics: a button takes the focus
// when clicked, and with it the activation.)
MessageResult SimMousePanel::OnMouseActivate(const WindowMessage&) { return msg::kNoActivate; }

MessageResult SimMousePanel::OnClick(const WindowMessage& message) {
  // A double click notifies a second time; each click presses once.
  if (HighWord(message.wParam) != kClicked) return 0;
  const int physical = PhysicalOf(LowWord(message.wParam) - IDC_CLICK_BUTTON_1 + 1);
  mouse_.Press(physical);
  mouse_.Release(physical);
  return 0;
}

MessageResult SimMousePanel::OnHold(const WindowMessage& message) {
  const int id = LowWord(message.wParam);
  const int physical = PhysicalOf(id - IDC_HOLD_BUTTON_1 + 1);
  if (window_->IsItemChecked(id))
    mouse_.Press(physical);
  else
    mouse_.Release(physical);
  return 0;
}

MessageResult SimMousePanel::OnPlug(const WindowMessage&) {
  if (plugged_)
    mouse_.Unplug();
  else
    mouse_.Plug();
  plugged_ = !plugged_;
  window_->SetItemText(IDC_PLUG, plugged_ ? u"Unplug" : u"Plug in");
  Refresh();
  return 0;
}

void SimMousePanel::Refresh() {
  window_->SetItemText(IDC_MOUSE_STATE, DescribeMouse(mouse_.GetState(), plugged_, mouse_.FeatureReports().size()));
}

}  // namespace varkel::sim
