#include "missions/TurnIIMission.h"

#include "missions/MissionParts.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "This time there are two objectives, and you may visit them in either order.\n"
    "A circle turns green once you have been inside it.\n"
    "Did the ship do what you expected when you turned while it was moving?\n"
    "To wait longer than 1000 seconds, use 'Sleep': it waits its value times\n"
    "1000 seconds, the same as several wait commands in a row.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into both red circles\n"
    "* Get a low score\n";
}  // namespace

TurnIIMission::TurnIIMission() : Mission("Turn II", briefingText, 205.06f, 270.0f) {}

TurnIIMission::TurnIIMission(const char* name, const char* briefing_, float gold, float silver)
    : Mission(name, briefing_, gold, silver) {}

void TurnIIMission::clearProgress() {
    won = false;
    failed = false;
    visited[0] = false;
    visited[1] = false;
}

void TurnIIMission::setup(World& world) {
    clearProgress();
    addMarker(world, 50.0, Vec2(400.0, 0.0));
    addMarker(world, 50.0, Vec2(400.0, 200.0));
    addMarker(world, 50.0, Vec2(0.0, 0.0));
    placeShip(world, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.0);
}

void TurnIIMission::update(World& world) { visitGoalCircles(*this, world, visited, 2); }

void TurnIIMission::goals(const World& world, Goals& out) const {
    addVisitedCircles(out, world, visited, 2);
}
