#include "missions/BinaryOrbitMission.h"

#include "missions/MissionParts.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "More junk has appeared, this time in orbit around the whole binary system.\n"
    "Collect it by circling both planets at once. From far enough away the pair\n"
    "pulls almost like one planet of their combined mass sitting at the centre,\n"
    "but close in you will feel each of them tug in turn.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Launch from the planet\n"
    "* Stay in target range for 30,000 seconds\n"
    "* Get a low score\n";
const double inner = 300.0;
const double outer = 500.0;
}  // namespace

BinaryOrbitMission::BinaryOrbitMission() : Mission("Binary Orbit", briefingText, 785.73f, 850.0f) {}

void BinaryOrbitMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addBinaryPair(world);
    placeShip(world, Vec2(250.0, 0.0), Vec2(0.0, 0.0), 2.356194490192345);
}

void BinaryOrbitMission::update(World& world) {
    const SquaredDistance d = shipSquaredDistance(world, Vec2(0.0, 0.0));
    timedBandTest(*this, world, d.above(inner) && d.below(outer), inRange, rangeStart, 30000);
}

void BinaryOrbitMission::goals(const World&, Goals& out) const {
    addGoalCircles(out, inRange, Vec2(0.0, 0.0), {inner, outer});
}
