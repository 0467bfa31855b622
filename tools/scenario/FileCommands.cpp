// file, remove, print: the program folder's files.
#include "Commands.h"
#include "Scenario.h"

namespace varkel::scenario {
namespace {

bool File(Scenario& s, const ScriptCommand& c) {
  bool utf16 = false;
  if (c.args.size() == 2) {
    if (c.args[1] != "utf16") return s.Fail(c, "the only option is utf16");
    utf16 = true;
  }
  if (!s.Folder().WriteFile(c.args[0], c.body, utf16)) return s.Fail(c, "cannot write the file");
  return true;
}

bool Remove(Scenario& s, const ScriptCommand& c) {
  if (!s.Folder().Remove(c.args[0])) return s.Fail(c, "no such file");
  return true;
}

bool Print(Scenario& s, const ScriptCommand& c) {
  std::vector<std::string> lines;
  const std::string& name = c.args[0];
  if (!s.Folder().ReadLines(name, lines)) {
    s.Line(name + ": (missing)");
    return true;
  }
  for (const std::string& line : lines) s.Line(name + ": " + line);
  return true;
}

}  // namespace

void AddFileCommands(Commands& commands) {
  commands.Add({"file", 1, 2, false, true, File});
  commands.Add({"remove", 1, 1, false, true, Remove});
  commands.Add({"print", 1, 1, false, true, Print});
}

}  // namespace varkel::scenario
