#include "missions/FirstLaunchMission.h"

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

FirstLaunchMission::FirstLaunchMission() : Mission("First Launch", briefingText, 172.84f, 210.0f) {}

FirstLaunchMission::FirstLaunchMission(const char* name, const char* briefing_, float gold,
                                       float silver)
    : Mission(name, briefing_, gold, silver) {}

void FirstLaunchMission::setup(World& world) {
    won = false;
    failed = false;
    leftCircle = false;
    addHomePlanet(world, 0.0);
    placeShip(world, Vec2(270.0, 200.0), Vec2(0.0, 0.0), 0.0);
}

void FirstLaunchMission::update(World& world) { checkLaunch(world, 100.0); }

void FirstLaunchMission::goals(const World& world, Goals& out) const {
    addLaunchCircle(world, out, 100.0);
}

void FirstLaunchMission::checkLaunch(World& world, double radius) {
    if (shipSquaredDistanceToBody(world, 0).above(radius)) leftCircle = true;
    if (leftCircle && world.rocket->landed) winMission(*this, world);
}

void FirstLaunchMission::addLaunchCircle(const World& world, Goals& out, double radius) const {
    addGoalCircles(out, leftCircle, world.bodies[0]->position, {radius});
}
