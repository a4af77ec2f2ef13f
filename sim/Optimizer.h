#pragma once

#include "sim/Instruction.h"

struct World;

// Raised by F1 on the stopped game screen, consumed there, cleared by optimizeProgram().
extern bool optimizeRequested;

// Canonical form: only Thrust, Left (either sign) and Wait, no two Waits in a row.
Program canonicalize(const Program& program);
Program decanonicalize(const Program& program);
// Moves every value by -4..+4; Wait and Thrust values stay non-negative.
void mutate(Program& program);
// The score of the rocket's current program on the current mission (resets the world).
float evaluateProgram(World& world);
// Random search over the values of the rocket's program; installs the best found.
void optimizeProgram(World& world);
// The same on the application's world.
void optimizeProgram();
