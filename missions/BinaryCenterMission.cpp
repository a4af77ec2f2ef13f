#include "missions/BinaryCenterMission.h"

#include "missions/MissionParts.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Junk is collecting in space around a binary system: two planets circling\n"
    "each other. Right in the middle, where their pulls cancel out, it gathers.\n"
    "Launch from your planet and reach the centre of the binary system, then stay\n"
    "there: the cleaning robots need 5,000 seconds to collect the junk.\n"
    "The centre is balanced but not stable, so arrive slowly.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Launch from the planet\n"
    "* Stay in target range for 5,000 seconds\n"
    "* Get a low score\n";
const double reach = 50.0;
}  // namespace

BinaryCenterMission::BinaryCenterMission()
    : Mission("Binary Center", briefingText, 482.32f, 550.0f) {}

void BinaryCenterMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addBinaryPair(world);
    placeShip(world, Vec2(250.0, 0.0), Vec2(0.0, 0.0), 2.356194490192345);
}

void BinaryCenterMission::update(World& world) {
    const bool inside = shipSquaredDistance(world, Vec2(0.0, 0.0)).below(reach);
    timedBandTest(*this, world, inside, inRange, rangeStart, 5000);
}

void BinaryCenterMission::goals(const World&, Goals& out) const {
    addGoalCircles(out, inRange, Vec2(0.0, 0.0), {reach});
}
