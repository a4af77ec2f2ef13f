#include "missions/LunarOrbitMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "An outbreak of purple sneezing fever is sweeping the planet, and the\n"
    "doctors blame space mosquitos breeding around the moon. Spray the whole\n"
    "area by orbiting the moon until every last mosquito is dead.\n"
    "The moon is moving around the planet, so plan to meet it where it will be,\n"
    "not where it is now. Near the moon its own pull takes over.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Launch from the surface\n"
    "* Stay within the target distance range for 20,000 seconds\n"
    "* Get a low score\n";
const double inner = 50.0;
const double outer = 200.0;
}  // namespace

LunarOrbitMission::LunarOrbitMission() : Mission("Lunar Orbit", briefingText, 822.3f, 890.0f) {}

void LunarOrbitMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addPlanet(world, {120.0, 14.4, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.0, earthModel, earthTexture});
    addPlanet(world, {40.0, 1.6, Vec2(0.0, -700.0), Vec2(0.15, 0.0), 0.0, moonModel, moonTexture});
    placeShip(world, Vec2(0.0, 70.0), Vec2(0.0, 0.0), 0.0);
}

void LunarOrbitMission::update(World& world) {
    const SquaredDistance d = shipSquaredDistanceToBody(world, 1);
    timedBandTest(*this, world, d.above(inner) && d.below(outer), inRange, rangeStart, 20000);
}

void LunarOrbitMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, inRange, world.bodies[1]->position, {inner, outer});
}
