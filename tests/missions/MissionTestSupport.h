#pragma once

#include <gtest/gtest.h>

#include "app/Application.h"
#include "missions/Level.h"
#include "sim/Body.h"
#include "sim/Instruction.h"
#include "sim/Rocket.h"
#include "sim/World.h"

// A world of its own for each test, with one mission made current and reset
// as the mission menu and the game screen do.
class MissionTest : public ::testing::Test {
protected:
    void SetUp() override { app.textures.headless = true; }

    void start(Level& level, const Program& program = Program()) {
        world.level = &level;
        world.clearProgramAndReset();
        world.rocket->program = program;
        world.reset();
    }
    // Steps until won, failed or `limit` steps; returns the steps taken.
    int fly(int limit) {
        int steps = 0;
        while (steps < limit && !world.level->won && !world.level->failed) {
            world.step();
            ++steps;
        }
        return steps;
    }
    // Puts the ship at `position` (flying, or landed when asked) and runs the
    // mission's check once at world time `time`.
    void checkAt(Vec2 position, bool landed = false, int time = 0) {
        world.rocket->position = position;
        world.rocket->landed = landed;
        world.time = time;
        world.level->update(world);
    }
    Rocket& ship() { return *world.rocket; }
    Body& body(int i) { return *world.bodies[i]; }

    World world;
};

inline Instruction op(Opcode opcode, int value) {
    Instruction instruction;
    instruction.opcode = opcode;
    instruction.value = value;
    return instruction;
}
