#pragma once

// A mission for optimizer tests that needs no data files, and helpers to
// write and compare programs compactly.

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

#include "missions/Mission.h"
#include "sim/Instruction.h"
#include "sim/Rocket.h"
#include "sim/World.h"

inline Program prog(std::initializer_list<std::pair<uint8_t, int32_t>> items) {
    Program p;
    for (auto& item : items) p.push_back(Instruction{item.first, item.second});
    return p;
}

inline std::string show(const Program& p) {
    std::ostringstream out;
    for (const Instruction& i : p) out << opcodeLetter(i.opcode) << i.value << ' ';
    return out.str();
}

// A mission on an empty plane: won when the ship crosses x = 100, failed when
// it strays 30 units sideways. With `required` set it is won at time 9 by
// exactly that program and failed at once by any other.
class LineMission : public Mission {
public:
    LineMission() : Mission("Line", "", 60.0f, 80.0f) {}
    const Program* required = nullptr;

    void setup(World& world) override {
        won = failed = false;
        Rocket& ship = *world.rocket;
        ship.position = Vec2(0.0, 0.0);
        ship.velocity = Vec2(0.0, 0.0);
        ship.angle = 0.0;
        ship.angularVelocity = 0.0;
        ship.landed = false;
        ship.radius = 8.0;
    }

    void update(World& world) override {
        const Rocket& ship = *world.rocket;
        if (required) {
            if (show(ship.program) != show(*required))
                failed = true;
            else if (world.time >= 9)
                win(world);
        } else if (std::fabs(ship.position.y) > 30.0) {
            failed = true;
        } else if (ship.position.x >= 100.0) {
            win(world);
        }
    }

private:
    void win(World& world) {
        won = true;
        computeScore(world);
    }
};
