#pragma once
// Runs a scenario script against the whole program on the simulated
// platform, on virtual time, and writes the transcript.
#include <filesystem>
#include <ostream>

#include "ScenarioScript.h"

namespace varkel::scenario {

struct RunOptions {
  // Where skins/default, skins/config.ini and skins/Macro.dat are found.
  std::filesystem::path dataDir;
};

// 0: the script ran; 1: the harness could not set up; 2: a script error
// (reported on err with its line).
int RunScenario(const ParsedScript& script, const RunOptions& options, std::ostream& out,
                std::ostream& err);

}  // namespace varkel::scenario
