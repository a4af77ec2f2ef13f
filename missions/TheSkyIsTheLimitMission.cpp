#include "missions/TheSkyIsTheLimitMission.h"

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
const char* const briefingText =
    "Smugglers have been reported poaching moose on the game reserve of a planet\n"
    "with very strong gravity. The navy needs low-level reconnaissance: fly over\n"
    "the reserve and collect evidence. Stay below the range of their space radar\n"
    "long enough to gather it, and do not touch down, or you will be spotted.\n"
    "Strong gravity means you must fly fast to stay up this low.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Launch from the planet\n"
    "* Stay below radar for 10,000 seconds\n"
    "* Do not land\n"
    "* Get a low score\n";
const double radarCeiling = 200.0;
}  // namespace

TheSkyIsTheLimitMission::TheSkyIsTheLimitMission()
    : Mission("The Sky is the Limit", briefingText, 544.02f, 580.0f) {}

void TheSkyIsTheLimitMission::setup(World& world) {
    won = false;
    failed = false;
    launched = false;
    launchStep = 0;
    addPlanet(world, {150.0, 22.5, Vec2(0.0, 0.0), Vec2(0.0, 0.0), -0.0005, earthModel,
                      "models/planet_brown.png"});
    placeShip(world, Vec2(0.0, 100.0), Vec2(0.0, 0.0), 0.0);
}

void TheSkyIsTheLimitMission::update(World& world) {
    const bool landed = world.rocket->landed;
    if (!launched && !landed) {
        launched = true;
        launchStep = world.time;
    }
    if (shipSquaredDistanceToBody(world, 0).above(radarCeiling))
        failed = true;
    else if (launched && landed)
        failed = true;
    if (launched && world.time - launchStep > 10000) winMission(*this, world);
}

void TheSkyIsTheLimitMission::goals(const World& world, Goals& out) const {
    addGoalCircles(out, false, world.bodies[0]->position, {radarCeiling});
}
