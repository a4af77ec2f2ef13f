#include "missions/SpinningStartMission.h"

#include "missions/MissionParts.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Some missions start with the ship already spinning. Press 'Run' with no\n"
    "commands at all to see how this one begins.\n"
    "Here the ship has a non-zero starting angular velocity: it keeps turning\n"
    "until you turn the other way to stop it.\n"
    "Can you use the spin to your advantage and save fuel?\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into both red circles\n"
    "* Get a low score\n";
}  // namespace

SpinningStartMission::SpinningStartMission()
    : TurnIIMission("Spinning Start", briefingText, 186.5f, 250.0f) {}

void SpinningStartMission::setup(World& world) {
    clearProgress();
    addMarker(world, 10.0, Vec2(0.0, 400.0));
    addMarker(world, 10.0, Vec2(-200.0, 600.0));
    addMarker(world, 10.0, Vec2(0.0, 0.0));
    placeShip(world, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.0, 0.01);
}
