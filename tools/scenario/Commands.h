#pragma once
// The script's commands, gathered from their groups: each group (files, the
// program, the mouse, time, the main window, ...) adds its commands and the
// lines it contributes to `view` in a file of its own; CommandGroups.cpp
// lists the groups.
#include <functional>
#include <string>
#include <vector>

#include "ScenarioScript.h"

namespace varkel::scenario {

class Scenario;

struct Command {
  std::string name;
  std::size_t minArgs = 0;
  std::size_t maxArgs = 0;
  bool needsProgram = false;  // refused before `start`
  bool afterEnd = true;       // with needsProgram: allowed once the program has ended
  std::function<bool(Scenario&, const ScriptCommand&)> run;
};

// Writes some of `view`'s name=value lines.
using ViewReport = std::function<void(Scenario&)>;

class Commands {
 public:
  void Add(Command command) { commands_.push_back(std::move(command)); }
  void AddView(ViewReport report) { views_.push_back(std::move(report)); }
  const Command* Find(const std::string& name) const;
  const std::vector<ViewReport>& Views() const { return views_; }

 private:
  std::vector<Command> commands_;
  std::vector<ViewReport> views_;
};

// Every group's commands.
const Commands& AllCommands();

void AddFileCommands(Commands& commands);     // file, remove, print
void AddProgramCommands(Commands& commands);  // start, apply, save, profile, set, close, state
void AddMouseCommands(Commands& commands);    // press, release, click, report, unplug, plug, mouse
void AddTimeCommands(Commands& commands);     // advance, settle
void AddWindowCommands(Commands& commands);   // move, down, up, tap, paint, view
void AddShellCommands(Commands& commands);    // tray, menu, syscommand, endsession, answer

}  // namespace varkel::scenario
