#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The subcommands of the headless runner. Each gets the arguments after its
// own name, writes results to `out` and errors to `err`, and returns the exit
// code: 0 done, 1 a checked program did not win, 2 bad input.
using RunArgs = std::vector<std::string>;

// run "MISSION NAME" "PROGRAM TEXT" [MAX_STEPS]: one result line.
int runCommand(const RunArgs& args, std::ostream& out, std::ostream& err);
// trace "MISSION NAME" "PROGRAM TEXT" N: the ship's state after each of the first N steps.
int traceCommand(const RunArgs& args, std::ostream& out, std::ostream& err);
// list: each mission's name, gold and silver limits, in registry order.
int listCommand(const RunArgs& args, std::ostream& out, std::ostream& err);
// check FILE: a result line for each "MISSION NAME<TAB>PROGRAM TEXT" line.
int checkCommand(const RunArgs& args, std::ostream& out, std::ostream& err);

// Steps a run may take unless told otherwise.
constexpr long defaultMaxSteps = 2000000;
