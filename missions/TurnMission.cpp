#include "missions/TurnMission.h"

#include "missions/MissionParts.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Spinning works just like moving: a spinning ship keeps spinning and a still\n"
    "one stays still. Torque plays the part of force, angular momentum the part\n"
    "of velocity and rotational inertia the part of mass.\n"
    "This circle is not straight ahead. Turn with 'Left' or 'Right' to start the\n"
    "ship spinning, 'Wait' until it points at the target, then 'Thrust'.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into the red circle\n"
    "* Get a low score\n";
}  // namespace

TurnMission::TurnMission() : ThrustMission("Turn", briefingText, 137.31f, 180.0f) {}

void TurnMission::setup(World& world) {
    won = false;
    failed = false;
    addMarker(world, 50.0, Vec2(0.0, 400.0));
    addMarker(world, 50.0, Vec2(0.0, 0.0));
    placeShip(world, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.0);
}
