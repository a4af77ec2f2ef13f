#include "missions/LunarLandingMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "The moon! Its pull raises the tides in the planet's oceans, and it always\n"
    "turns the same face towards the planet, so nobody down there has ever seen\n"
    "its far side. There is also a rumour that it is made of cheese.\n"
    "Find out for yourself: the moon is your next destination. Go there, land,\n"
    "and come back home. Remember that the moon is moving while you fly.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Land on the moon\n"
    "* Land on the planet\n"
    "* Get a low score\n";
// Just above the landed distances: moon 10 + ship 8, planet 70 + ship 8.
const double moonReach = 20.0;
const double planetReach = 80.0;
}  // namespace

LunarLandingMission::LunarLandingMission()
    : Mission("Lunar Landing", briefingText, 485.22f, 550.0f) {}

void LunarLandingMission::setup(World& world) {
    won = false;
    failed = false;
    visitedMoon = false;
    addHomePlanet(world, 0.001);
    addPlanet(world,
              {10.0, 0.1, Vec2(500.0, 500.0), Vec2(-0.07, 0.07), 0.001, moonModel, moonTexture});
    placeShip(world, Vec2(270.0, 200.0), Vec2(0.0, 0.0), 0.0);
}

void LunarLandingMission::update(World& world) {
    const bool landed = world.rocket->landed;
    if (landed && shipDistanceToBody(world, 1) < moonReach) visitedMoon = true;
    if (landed && shipDistanceToBody(world, 0) < planetReach && visitedMoon)
        winMission(*this, world);
}
