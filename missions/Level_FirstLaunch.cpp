#include "missions/Level_FirstLaunch.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Your first planetary mission: simply launch and land again.\n"
    "As in every mission you are rated on fuel efficiency. Every thrust and every\n"
    "turn burns fuel, and time is money, so do not take too long either.\n"
    "After each completed mission you will see how your score breaks down.\n"
    "Can you get all the gold trophies?\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get outside of the red circle\n"
    "* Land on the planet\n"
    "* Get a low score\n";
}  // namespace

Level_FirstLaunch::Level_FirstLaunch() : Level("First Launch", briefingText, 172.84f, 210.0f) {}

Level_FirstLaunch::Level_FirstLaunch(const char* name, const char* briefing_, float gold,
                                     float silver)
    : Level(name, briefing_, gold, silver) {}

void Level_FirstLaunch::setup(World& world) {
    won = false;
    failed = false;
    leftCircle = false;
    addHomePlanet(world, 0.0);
    placeShip(world, Vec2(270.0, 200.0), Vec2(0.0, 0.0), 0.0);
}

void Level_FirstLaunch::update(World& world) { checkLaunch(world, 100.0); }

void Level_FirstLaunch::drawGoals(World& world) { drawLaunchCircle(world, 100.0f); }

void Level_FirstLaunch::checkLaunch(World& world, double radius) {
    if (shipSquaredDistanceToBody(world, 0).above(radius)) leftCircle = true;
    if (leftCircle && world.rocket->landed) winMission(*this, world);
}

void Level_FirstLaunch::drawLaunchCircle(World& world, float radius) {
    drawGoalCircles(leftCircle, world.bodies[0]->position, {radius});
}
