#include "missions/ThrustMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Anything left alone keeps doing what it was doing: a still ship stays still,\n"
    "and a moving ship keeps moving in a straight line at the same speed.\n"
    "To change that you need a force, and your main thruster supplies one,\n"
    "pushing the ship the way it faces. Velocity is speed and direction together;\n"
    "a push adds velocity in proportion to the force, and mass is the factor.\n"
    "Click 'Thrust' to add a command to the list on the right. Commands run in\n"
    "order from top to bottom. Change the amount with the slider or the small\n"
    "'+' and '-' buttons. A thrust is instantaneous and takes no time.\n"
    "Your goal is to get into the red circle.\n"
    "Score: fuel (all your thrusts added up) plus 0.01 per second. Lower is better.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into the red circle\n"
    "* Get a low score\n";
}  // namespace

ThrustMission::ThrustMission() : Mission("Thrust", briefingText, 118.34f, 150.0f) {}

ThrustMission::ThrustMission(const char* name, const char* briefing_, float gold, float silver)
    : Mission(name, briefing_, gold, silver) {}

void ThrustMission::setup(World& world) {
    won = false;
    failed = false;
    addMarker(world, 10.0, Vec2(400.0, 0.0));
    addMarker(world, 10.0, Vec2(0.0, 0.0));
    placeShip(world, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.0);
}

void ThrustMission::update(World& world) {
    if (shipSquaredDistanceToBody(world, 0).below(goalRadius)) winMission(*this, world);
}

void ThrustMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, false, world.bodies[0]->position, {goalRadius});
}
