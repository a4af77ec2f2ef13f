#pragma once

#include <string>
#include <vector>

#include "missions/Missions.h"

class Mission;
struct World;

// One winning program per mission, as kept in the solutions file.
struct Solution {
    std::string mission;
    std::string program;  // program text
};

// Reads "MISSION NAME<TAB>PROGRAM TEXT" lines; blank lines and '#' comments are skipped.
std::vector<Solution> readSolutions(const std::string& fileName);

// Makes the solution's mission of `missions` current in `world` with its
// program loaded as the game does; null if unknown.
Mission* loadMission(const MissionRegistry& missions, World& world, const Solution& solution);

// The bodies' and ship's state after a reset, stepped with nothing but the
// gravity arithmetic of the world step: the floor a step can cost.
struct BareGravity {
    explicit BareGravity(const World& world);
    void step();
    double checksum() const;

    struct Mass {
        double mass;
        double px, py, vx, vy, angle, spin;
        bool solid;
    };
    std::vector<Mass> bodies;
    double px, py, vx, vy;  // the ship
};
