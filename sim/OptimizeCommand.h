#pragma once

#include <iosfwd>

#include "missions/RunCommands.h"

// optimize "MISSION NAME" "PROGRAM TEXT" SEED [BEST]: loads the program into
// the mission as the game does, seeds the generator with SEED, sets the
// mission's best score to BEST (0 if absent), runs the optimizer with its
// usual progress lines on standard output and writes the resulting program
// text to `out` as the last line. Exit code 0, or 2 for bad input.
int optimizeCommand(const RunArgs& args, std::ostream& out, std::ostream& err);
