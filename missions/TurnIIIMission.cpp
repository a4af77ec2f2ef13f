#include "missions/TurnIIIMission.h"

#include "missions/MissionParts.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Four objectives this time. Does the order in which you visit them change\n"
    "the time or the fuel you need?\n"
    "Keyboard shortcuts:\n"
    "- ENTER = run\n"
    "- SPACE = turbo\n"
    "- T = thrust\n"
    "- L/R = turn left/right\n"
    "- W/S = wait/sleep\n"
    "- BACKSPACE = delete last digit of value\n"
    "- NUMBERS = add digit to end of value\n"
    "- LEFT/RIGHT = decrease/increase value\n"
    "- UP/DOWN = select previous/next insturction\n"
    "- PGUP/PGDN = move insturction up/down\n"
    "- DELETE = delete insturction\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into all 4 red circles\n"
    "* Get a low score\n";
}  // namespace

TurnIIIMission::TurnIIIMission() : Mission("Turn III", briefingText, 378.85f, 500.0f) {}

void TurnIIIMission::setup(World& world) {
    won = false;
    failed = false;
    for (bool& flag : visited) flag = false;
    addMarker(world, 50.0, Vec2(400.0, 0.0));
    addMarker(world, 50.0, Vec2(400.0, 200.0));
    addMarker(world, 50.0, Vec2(0.0, -100.0));
    addMarker(world, 50.0, Vec2(600.0, -200.0));
    addMarker(world, 50.0, Vec2(0.0, 0.0));
    placeShip(world, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.0);
}

void TurnIIIMission::update(World& world) { visitGoalCircles(*this, world, visited, 4); }

void TurnIIIMission::goals(const World& world, Goals& out) const {
    addVisitedCircles(out, world, visited, 4);
}
