#include "missions/GeostationaryIIMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "The rescue team has crashed, and the crash destroyed their long-range radio.\n"
    "All they have left are walkie-talkies, so you must stay much more directly\n"
    "above them than before. They came down a little up-spin from where your\n"
    "ship stands: stay above the crashed ship.\n"
    "The target angle is half as wide this time, so aim your orbit carefully.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Launch from the surface\n"
    "* Stay within the target angle for 15,000 seconds\n"
    "* Get a low score\n";
const double width = 0.39269908169872414;  // π/8
}  // namespace

GeostationaryIIMission::GeostationaryIIMission()
    : Mission("Geostationary II", briefingText, 709.78f, 800.0f), window(width) {}

void GeostationaryIIMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addOriginPlanet(world);
    placeShip(world, Vec2(60.0, -10.0), Vec2(0.0, 0.0), 0.0);
}

void GeostationaryIIMission::update(World& world) {
    timedBandTest(*this, world, inSector(world, *world.bodies[0], window), inRange, rangeStart,
                  15000);
}

void GeostationaryIIMission::goals(const World& world, Goals& out) const {
    addSectorGoal(out, *world.bodies[0], width, inRange);
}

void GeostationaryIIMission::fixedGoals(const World& world, Goals& out) const {
    addHeightRings(out, *world.bodies[0]);
}

Vec2 GeostationaryIIMission::fixedGoalsCentre(const World& world) const {
    return world.bodies[0]->position;
}
