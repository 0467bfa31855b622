#pragma once
// Runs a program, waits for it and collects what it writes to its standard
// output. For the test tools that drive our command-line programs.
#include <string>
#include <vector>

namespace varkel::win32 {

struct ChildResult {
  int exitCode = -1;  // -1: the program could not be started
  std::string output;
};

// args[0] is the program; every argument reaches it exactly as given.
ChildResult RunChildProcess(const std::vector<std::u16string>& args);

}  // namespace varkel::win32
