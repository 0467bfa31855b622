// varkel-scenario SCRIPT: runs the program on the simulated platform from a
// script and prints the transcript. docs/scenarios.md describes the script.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "ScenarioRunner.h"

int main(int argc, char** argv) {
  using namespace varkel::scenario;
  RunOptions options;
  options.dataDir = VARKEL_SOURCE_DIR;
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--data" && i + 1 < argc) {
      options.dataDir = argv[++i];
    } else if (scriptPath.empty() && arg.rfind("--", 0) != 0) {
      scriptPath = arg;
    } else {
      scriptPath.clear();
      break;
    }
  }
  if (scriptPath.empty()) {
    std::cerr << "usage: varkel-scenario [--data REPO] SCRIPT   (SCRIPT - reads standard input)\n";
    return 2;
  }
  std::string text;
  if (scriptPath == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) {
      std::cerr << "varkel-scenario: cannot read " << scriptPath << "\n";
      return 2;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const ParsedScript script = ParseScript(text);
  if (!script.error.empty()) {
    std::cerr << scriptPath << ": " << script.error << "\n";
    return 2;
  }
  return RunScenario(script, options, std::cout, std::cerr);
}
