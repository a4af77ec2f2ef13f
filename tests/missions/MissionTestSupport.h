#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/Body.h"
#include "sim/Instruction.h"
#include "sim/Rocket.h"
#include "sim/World.h"

// A world of its own for each test, with one mission made current and reset
// as the mission menu and the game screen do.
class MissionTest : public ::testing::Test {
protected:
    void SetUp() override { app.textures.headless = true; }

    void start(Mission& mission, const Program& program = Program()) {
        world.mission = &mission;
        world.clearProgramAndReset();
        world.rocket->program = program;
        world.reset();
    }
    // Steps until won, failed or `limit` steps; returns the steps taken.
    int fly(int limit) {
        int steps = 0;
        while (steps < limit && !world.mission->won && !world.mission->failed) {
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
        world.mission->update(world);
    }
    // The registry's mission `name`, made current.
    Mission& start(const std::string& name, const Program& program = Program()) {
        if (app.missions.empty()) registerMissions(app.missions);
        Mission& mission = *app.missions.at(name);
        start(mission, program);
        return mission;
    }
    // Puts the ship at each place in turn, as `checkAt` does; returns the
    // outcome: "won", "failed" or "" for neither.
    struct Visit {
        Vec2 at;
        bool landed = false;
        int time = 0;
    };
    std::string visit(const std::string& name, const std::vector<Visit>& visits) {
        Mission& mission = start(name);
        for (const Visit& v : visits) checkAt(v.at, v.landed, v.time);
        return mission.won ? "won" : mission.failed ? "failed" : "";
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
