#include "missions/MovingStartMission.h"

#include "missions/MissionParts.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Some missions start with the ship already moving. Press 'Run' with no\n"
    "commands at all to see how this one begins.\n"
    "Here the ship has a non-zero starting velocity: it drifts whether you like\n"
    "it or not. Every thrust adds to that velocity instead of replacing it.\n"
    "Can you use the drift to your advantage and save fuel?\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into both red circles\n"
    "* Get a low score\n";
}  // namespace

MovingStartMission::MovingStartMission()
    : TurnIIMission("Moving Start", briefingText, 256.2f, 320.0f) {}

void MovingStartMission::setup(World& world) {
    clearProgress();
    addMarker(world, 10.0, Vec2(600.0, 150.0));
    addMarker(world, 10.0, Vec2(700.0, 300.0));
    addMarker(world, 10.0, Vec2(0.0, 0.0));
    placeShip(world, Vec2(0.0, 0.0), Vec2(0.5, 0.0), 0.0);
}
