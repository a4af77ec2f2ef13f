#pragma once

#include <iosfwd>

#include "tools/run/RunCommands.h"

// check-mission FILE...: each mission file as the game will meet it. Every
// problem is an "ERROR: file:line: ..." line on `err`, the files the mission
// names included; a sound file's reference program is flown under the game's
// rules, within its horizon, and its result line written to `out`. Things
// that are allowed but likely unmeant are "WARNING: file:line: ..." lines:
// gold out of the reference's reach, solid bodies overlapping at the start,
// two files of one title. Exit code 0 when every file is sound and its
// reference wins, 1 when a reference does not win, 2 on any error in a file.
int checkMissionCommand(RunContext& run, const RunArgs& args, std::ostream& out,
                        std::ostream& err);
