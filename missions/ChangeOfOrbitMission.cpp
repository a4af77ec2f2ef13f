#include "missions/ChangeOfOrbitMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Whoever parked your ship left it in an orbit far too high: from down on the\n"
    "planet nobody can even see it. Lower your orbit so that the inhabitants get\n"
    "a good look at you and are suitably impressed.\n"
    "To drop lower, slow down: a slower ship falls closer to the planet.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Lower your orbit\n"
    "* Stay in target range for 20,000 seconds\n"
    "* Get a low score\n";
const double inner = 100.0;
const double outer = 150.0;
}  // namespace

ChangeOfOrbitMission::ChangeOfOrbitMission()
    : Mission("Change of Orbit", briefingText, 348.13f, 400.0f) {}

ChangeOfOrbitMission::ChangeOfOrbitMission(const char* name, const char* briefing_, float gold,
                                           float silver)
    : Mission(name, briefing_, gold, silver) {}

void ChangeOfOrbitMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addHomePlanet(world, 0.001);
    placeShip(world, Vec2(500.0, 500.0), Vec2(-0.07, 0.07), 2.356194490192345,
              0.0003141592653589793);
}

void ChangeOfOrbitMission::update(World& world) {
    const SquaredDistance d = shipSquaredDistanceToBody(world, 0);
    timedBandTest(*this, world, d.above(inner) && d.below(outer), inRange, rangeStart, 20000);
}

void ChangeOfOrbitMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, inRange, world.bodies[0]->position, {inner, outer});
}
