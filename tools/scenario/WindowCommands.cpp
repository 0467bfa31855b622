// move, down, up, tap, paint, view: the pointer over the main window and
// what the window shows.
#include <span>

#include "Commands.h"
#include "Scenario.h"
#include "ScriptText.h"
#include "platform/Messages.h"

namespace varkel::scenario {
namespace {

constexpr std::uintptr_t kLeftButtonHeld = 0x0001;  // MK_LBUTTON

std::span<const SkinElement> Table(const SkinLayout& skin, const std::string& name) {
  if (name == "main") return skin.main;
  if (name == "colour") return skin.colour;
  if (name == "advanced") return skin.advanced;
  return {};
}

// "X Y" in client pixels, or "TABLE N": the centre of element N.
bool PointerTarget(Scenario& s, const ScriptCommand& c, std::size_t first) {
  const std::string& what = c.args[first];
  const std::span<const SkinElement> table = Table(s.TheProgram().skin, what);
  if (!table.empty()) {
    std::int32_t n = 0;
    if (!ParseInt32(c.args[first + 1], n) || n < 0 || n >= static_cast<std::int32_t>(table.size()))
      return s.Fail(c, what + " has elements 0 to " + std::to_string(table.size() - 1));
    const SkinElement& e = table[static_cast<std::size_t>(n)];
    s.pointerX = static_cast<std::int32_t>(std::int64_t{e.x} + e.width / 2);
    s.pointerY = static_cast<std::int32_t>(std::int64_t{e.y} + e.height / 2);
    return true;
  }
  std::int32_t x = 0, y = 0;
  if (!ParseInt32(what, x) || !ParseInt32(c.args[first + 1], y) || x < INT16_MIN || x > INT16_MAX ||
      y < INT16_MIN || y > INT16_MAX)
    return s.Fail(c, "a point is X Y (-32768 to 32767) or main|colour|advanced N");
  s.pointerX = x;
  s.pointerY = y;
  return true;
}

std::intptr_t PointerParam(const Scenario& s) { return msg::PointParam(s.pointerX, s.pointerY); }

bool Move(Scenario& s, const ScriptCommand& c) {
  if (!PointerTarget(s, c, 0)) return false;
  s.Send(msg::kMouseMove, 0, PointerParam(s));
  return true;
}

bool Down(Scenario& s, const ScriptCommand&) {
  s.Send(msg::kLeftButtonDown, kLeftButtonHeld, PointerParam(s));
  return true;
}

bool Up(Scenario& s, const ScriptCommand&) {
  s.Send(msg::kLeftButtonUp, 0, PointerParam(s));
  return true;
}

bool Tap(Scenario& s, const ScriptCommand& c) {
  if (Table(s.TheProgram().skin, c.args[0]).empty()) return s.Fail(c, "the table is main, colour or advanced");
  if (!Move(s, c)) return false;
  for (const std::uint32_t message : {msg::kLeftButtonDown, msg::kLeftButtonUp}) {
    if (s.Ended()) break;
    s.Send(message, message == msg::kLeftButtonDown ? kLeftButtonHeld : 0, PointerParam(s));
  }
  return true;
}

bool Paint(Scenario& s, const ScriptCommand&) {
  s.Send(msg::kPaint, 0, 0);
  return true;
}

bool View(Scenario& s, const ScriptCommand&) {
  for (const ViewReport& report : AllCommands().Views()) report(s);
  return true;
}

const char* PageName(Page page) {
  switch (page) {
    case Page::Main: return "main";
    case Page::Advanced: return "advanced";
    case Page::Colour: return "colour";
  }
  return "?";
}

void MainWindowView(Scenario& s) {
  const ViewState& v = s.TheProgram().view;
  s.Line(std::string("view.page=") + PageName(v.page.load()));
  s.Line("view.mainHover=" + std::to_string(v.mainHover));
  s.Line("view.colourHover=" + std::to_string(v.colourHover));
  s.Line("view.advancedHover=" + std::to_string(v.advancedHover));
  s.Line("view.pressed=" + std::to_string(v.pressed));
  s.Line("view.previewGray=" + std::to_string(v.previewGray.load()));
  s.Line("view.previewColour=" + std::to_string(v.previewColour.load()));
  s.Line("view.previewAlive=" + std::to_string(v.previewAlive.load()));
  s.Line(std::string("view.window=") + StateName(s.MainWindow().CurrentState()));
}

}  // namespace

void AddWindowCommands(Commands& commands) {
  commands.Add({"move", 2, 2, true, false, Move});
  commands.Add({"down", 0, 0, true, false, Down});
  commands.Add({"up", 0, 0, true, false, Up});
  commands.Add({"tap", 2, 2, true, false, Tap});
  commands.Add({"paint", 0, 0, true, false, Paint});
  commands.Add({"view", 0, 0, true, true, View});
  commands.AddView(MainWindowView);
}

}  // namespace varkel::scenario
