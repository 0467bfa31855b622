// press, release, click, report, unplug, plug, mouse: the simulated mouse.
#include <charconv>

#include "Commands.h"
#include "Scenario.h"
#include "ScriptText.h"
#include "device/FeatureReports.h"

namespace varkel::scenario {
namespace {

// Button B in the program's order 1-6, as its physical number.
bool Button(Scenario& s, const ScriptCommand& c, int& physical) {
  long long b = 0;
  if (!ParseInt(c.args[0], b) || b < 1 || b > kButtonCount) return s.Fail(c, "a button is 1 to 6");
  physical = PhysicalButtonOrder[static_cast<std::size_t>(b - 1)];
  return true;
}

template <bool kPress, bool kRelease>
bool Buttons(Scenario& s, const ScriptCommand& c) {
  int physical = 0;
  if (!Button(s, c, physical)) return false;
  if (kPress) s.Mouse().Press(physical);
  if (kRelease) s.Mouse().Release(physical);
  s.DrainReports();
  return true;
}

bool Report(Scenario& s, const ScriptCommand& c) {
  std::vector<std::uint8_t> bytes;
  for (const std::string& word : c.args) {
    unsigned value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value, 16);
    if (ec != std::errc() || ptr != end || value > 0xFF) return s.Fail(c, "bytes are hex, 00 to FF");
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  s.Mouse().InjectInputReport(std::move(bytes));
  s.DrainReports();
  return true;
}

bool Unplug(Scenario& s, const ScriptCommand&) {
  s.Mouse().Unplug();
  s.DeliverNotices();
  return true;
}

bool Plug(Scenario& s, const ScriptCommand&) {
  s.Mouse().Plug();
  s.DeliverNotices();
  return true;
}

bool MouseState(Scenario& s, const ScriptCommand&) {
  const sim::SimMouse::State m = s.Mouse().GetState();
  std::string functions;
  for (int n = 1; n <= kButtonCount; ++n) {
    if (n > 1) functions += ',';
    functions += Hex2(m.functionOf[static_cast<std::size_t>(n)]);
  }
  s.Line("mouse.functionOf=" + functions);
  s.Line("mouse.wheel=" + std::to_string(m.wheel));
  s.Line("mouse.dpiLevel=" + std::to_string(m.dpiLevel));
  s.Line("mouse.dpiValue=" + std::to_string(m.dpiValue));
  s.Line("mouse.ledMode=" + std::to_string(m.ledMode));
  s.Line("mouse.exitReceived=" + std::to_string(m.exitReceived));
  return true;
}

}  // namespace

void AddMouseCommands(Commands& commands) {
  commands.Add({"press", 1, 1, true, false, Buttons<true, false>});
  commands.Add({"release", 1, 1, true, false, Buttons<false, true>});
  commands.Add({"click", 1, 1, true, false, Buttons<true, true>});
  commands.Add({"report", 1, 64, true, false, Report});
  commands.Add({"unplug", 0, 0, true, false, Unplug});
  commands.Add({"plug", 0, 0, true, false, Plug});
  commands.Add({"mouse", 0, 0, true, true, MouseState});
}

}  // namespace varkel::scenario
