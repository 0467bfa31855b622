// advance, settle: virtual time.
#include "Commands.h"
#include "Scenario.h"
#include "ScriptText.h"

namespace varkel::scenario {
namespace {

bool Advance(Scenario& s, const ScriptCommand& c) {
  long long ms = 0;
  if (!ParseInt(c.args[0], ms) || ms < 0 || ms > 86'400'000) return s.Fail(c, "milliseconds, 0 to 86400000");
  s.World().Advance(ms * 1000);
  return true;
}

bool Settle(Scenario& s, const ScriptCommand&) {
  s.World().Settle();
  return true;
}

}  // namespace

void AddTimeCommands(Commands& commands) {
  commands.Add({"advance", 1, 1, false, true, Advance});
  commands.Add({"settle", 0, 0, false, true, Settle});
}

}  // namespace varkel::scenario
