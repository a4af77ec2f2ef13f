#include "missions/BiggerLaunchMission.h"

namespace {
const char* const briefingText =
    "Just like your first launch, but this time you must climb four times as far\n"
    "above the ground before coming back down.\n"
    "Will you need four times the thrust? Remember that the planet's pull gets\n"
    "weaker the farther away you are.\n"
    "Good luck Quorrin!\n"
    "\n"
    "OBJECTIVES:\n"
    "* Get outside of the red circle\n"
    "* Land on the planet\n"
    "* Get a low score\n";
}  // namespace

BiggerLaunchMission::BiggerLaunchMission()
    : FirstLaunchMission("Bigger Launch", briefingText, 296.22f, 350.0f) {}

void BiggerLaunchMission::update(World& world) { checkLaunch(world, 190.0); }

void BiggerLaunchMission::goals(const World& world, Goals& out) const {
    addLaunchCircle(world, out, 190.0);
}
