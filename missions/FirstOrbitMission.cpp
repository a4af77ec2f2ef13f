#include "missions/FirstOrbitMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Time to orbit! An orbit is a fall that never lands: the ship moves sideways\n"
    "so fast that the ground curves away beneath it as quickly as it falls.\n"
    "Stay within the set range of distances from the planet, never inside the\n"
    "minimum and never outside the maximum, for 20,000 seconds. Leaving the\n"
    "range resets the timer.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Launch from the surface\n"
    "* Stay within the target distance range for 20,000 seconds\n"
    "* Get a low score\n";
const double inner = 200.0;
const double outer = 300.0;
}  // namespace

FirstOrbitMission::FirstOrbitMission() : Mission("First Orbit", briefingText, 631.12f, 655.0f) {}

void FirstOrbitMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addHomePlanet(world, 0.0);
    placeShip(world, Vec2(270.0, 200.0), Vec2(0.0, 0.0), 0.0);
}

void FirstOrbitMission::update(World& world) {
    const SquaredDistance d = shipSquaredDistanceToBody(world, 0);
    timedBandTest(*this, world, d.above(inner) && d.below(outer), inRange, rangeStart, 20000);
}

void FirstOrbitMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, inRange, world.bodies[0]->position, {inner, outer});
}
