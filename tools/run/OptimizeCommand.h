#pragma once

#include <iosfwd>

#include "tools/run/RunCommands.h"

// optimize "MISSION NAME" "PROGRAM TEXT" SEED [BEST]: loads the program into
// the mission as the game does, seeds the generator with SEED, sets the
// mission's best score to BEST (0 if absent), runs the optimizer with its
// usual progress lines and writes them, then the resulting program text as
// the last line, to `out`. Exit code 0, or 2 for bad input.
int optimizeCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err);
