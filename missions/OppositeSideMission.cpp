#include "missions/OppositeSideMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Take off and land on the opposite side of the planet. You will need to turn\n"
    "with the 'Left' and 'Right' buttons. Turning alone does not change the\n"
    "direction you travel in: a thrust adds speed in the direction you face to\n"
    "the velocity you already have. A spin keeps going once started, so use\n"
    "'Wait' until the ship faces the right way.\n"
    "If you get stuck, try the sequence \"1. thrust\", \"2. turn\", \"3. wait\",\n"
    "\"4. thrust\".\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Land inside the red semi-circle\n"
    "* Get a low score\n";
const float targetRadius = 16.0f;

// The surface point facing -x, opposite the start.
Vec2 target(const World& world) {
    const Vec2& planet = world.bodies[0]->position;
    return Vec2(float(planet.x) - 70.0f, float(planet.y));
}
}  // namespace

OppositeSideMission::OppositeSideMission()
    : EscapeVelocityMission("Opposite Side", briefingText, 382.91f, 440.0f) {}

void OppositeSideMission::update(World& world) {
    if (shipSquaredDistance(world, target(world)).below(targetRadius) && world.rocket->landed)
        winMission(*this, world);
}

void OppositeSideMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, false, target(world), {targetRadius});
}
