#include "missions/GeostationaryMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "The first settlement on a colony world is in trouble, and its radio is too\n"
    "weak to reach home. Your ship will relay its signal while a rescue is\n"
    "organised, so you must stay directly above the settlement.\n"
    "The planet turns, carrying the settlement with it. A ship stays above one\n"
    "spot only if it circles at exactly the planet's rate, and the time an orbit\n"
    "takes grows with its height: find the height where the two match.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Launch from the surface\n"
    "* Stay within the target angle for 15,000 seconds\n"
    "* Get a low score\n";
const double width = 0.7853981633974483;  // π/4
}  // namespace

GeostationaryMission::GeostationaryMission()
    : Mission("Geostationary", briefingText, 594.79f, 790.0f), window(width) {}

void GeostationaryMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addOriginPlanet(world);
    placeShip(world, Vec2(0.0, 60.0), Vec2(0.0, 0.0), 0.0);
}

void GeostationaryMission::update(World& world) {
    timedBandTest(*this, world, inSector(world, *world.bodies[0], window), inRange, rangeStart,
                  15000);
}

void GeostationaryMission::goals(const World& world, Goals& out) const {
    addSectorGoal(out, *world.bodies[0], width, inRange);
}

void GeostationaryMission::fixedGoals(const World& world, Goals& out) const {
    addHeightRings(out, *world.bodies[0]);
}

Vec2 GeostationaryMission::fixedGoalsCentre(const World& world) const {
    return world.bodies[0]->position;
}
