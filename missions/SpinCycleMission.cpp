#include "missions/SpinCycleMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "A neutron star is the collapsed core of a dead star: more mass than a sun\n"
    "squeezed into a ball the size of a city, spinning very fast.\n"
    "Your ship has crashed into one, and the star's spin is whirling you around\n"
    "with it. Get back into orbit before the radiation damages the ship for good.\n"
    "The spin already gives you a lot of sideways speed: use it.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get into orbit of the neutron star\n"
    "* Stay in target range for 5,000 seconds\n"
    "* Get a low score\n";
const double inner = 150.0;
const double outer = 250.0;
}  // namespace

SpinCycleMission::SpinCycleMission() : Mission("Spin Cycle", briefingText, 2053.62f, 2150.0f) {}

void SpinCycleMission::setup(World& world) {
    won = false;
    failed = false;
    inRange = false;
    rangeStart = 0;
    addPlanet(world, {40.0, 160.0, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.035, earthModel,
                      "models/neutron_star.png"});
    placeShip(world, Vec2(20.0, 0.0), Vec2(0.0, 0.0), 3.141592653589793);
}

void SpinCycleMission::update(World& world) {
    const SquaredDistance d = shipSquaredDistanceToBody(world, 0);
    timedBandTest(*this, world, d.above(inner) && d.below(outer), inRange, rangeStart, 5000);
}

void SpinCycleMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, inRange, world.bodies[0]->position, {inner, outer});
}
