#pragma once
// A scenario script: one command a line, "#" starts a comment line, and
// "file NAME" ... "end" carries a file's lines verbatim.
#include <string>
#include <string_view>
#include <vector>

namespace varkel::scenario {

struct ScriptCommand {
  int line = 0;                   // 1-based, for messages
  std::string name;               // the first word
  std::vector<std::string> args;  // the other words
  std::vector<std::string> body;  // the lines of a "file" block
};

struct ParsedScript {
  std::vector<ScriptCommand> commands;
  std::string error;  // empty when the script parsed
};

ParsedScript ParseScript(std::string_view text);

}  // namespace varkel::scenario
