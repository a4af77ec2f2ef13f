#include "missions/EscapeVelocityMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "You needed much less than four times the thrust! Each extra bit of height\n"
    "costs less than the last, because gravity weakens as you climb. Go fast\n"
    "enough and the ship never falls back at all: that speed is escape velocity.\n"
    "Going 100 times as far as your first outing is nearly as good as going on\n"
    "forever. The goal line stays out of sight until you are far out.\n"
    "A huge thrust such as 1000 is sure to cross it, but a good score balances\n"
    "speed against fuel. Finding the smallest thrust that works is a fun extra,\n"
    "and the 'Turbo' button speeds up time while you wait.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get outside of the red circle\n"
    "* Get a low score\n";
const double escapeRadius = 3070.0;
}  // namespace

EscapeVelocityMission::EscapeVelocityMission()
    : Mission("Escape Velocity", briefingText, 540.86f, 570.0f) {}

EscapeVelocityMission::EscapeVelocityMission(const char* name, const char* briefing_, float gold,
                                             float silver)
    : Mission(name, briefing_, gold, silver) {}

void EscapeVelocityMission::setup(World& world) {
    won = false;
    failed = false;
    addHomePlanet(world, 0.0);
    placeShip(world, Vec2(270.0, 200.0), Vec2(0.0, 0.0), 0.0);
}

void EscapeVelocityMission::update(World& world) {
    if (shipSquaredDistanceToBody(world, 0).above(escapeRadius)) winMission(*this, world);
}

void EscapeVelocityMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, false, world.bodies[0]->position, {escapeRadius});
}
