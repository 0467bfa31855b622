#include "Commands.h"

namespace varkel::scenario {

const Command* Commands::Find(const std::string& name) const {
  for (const Command& command : commands_) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

const Commands& AllCommands() {
  static const Commands all = [] {
    Commands commands;
    AddFileCommands(commands);
    AddProgramCommands(commands);
    AddMouseCommands(commands);
    AddTimeCommands(commands);
    AddWindowCommands(commands);
    AddShellCommands(commands);
    return commands;
  }();
  return all;
}

}  // namespace varkel::scenario
