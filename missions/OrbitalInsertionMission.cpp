#include "missions/OrbitalInsertionMission.h"

#include "missions/MissionParts.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "A new planet has been discovered and you are coming in at full speed,\n"
    "heading straight for it. Do not crash! Get into a low orbit so that you\n"
    "can survey the planet before anyone tries to land.\n"
    "Gravity will speed you up as you fall, so you must change your direction\n"
    "and shed speed at just the right height to stay in the band.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into orbit of the planet\n"
    "* Do not land on the planet\n"
    "* Stay in target range for 10,000 seconds\n"
    "* Get a low score\n";
}  // namespace

OrbitalInsertionMission::OrbitalInsertionMission()
    : ChangeOfOrbitMission("Orbital Insertion", briefingText, 1041.32f, 1150.0f) {}

void OrbitalInsertionMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addOriginPlanet(world);
    placeShip(world, Vec2(5000.0, 0.0), Vec2(-1.0, 0.0), 3.141592653589793);
}

void OrbitalInsertionMission::update(World& world) {
    if (world.rocket->landed) failed = true;
    const SquaredDistance d = shipSquaredDistanceToBody(world, 0);
    timedBandTest(*this, world, d.above(100.0) && d.below(150.0), inRange, rangeStart, 10000);
}
