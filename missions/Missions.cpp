#include "missions/Missions.h"

#include "missions/BiggerLaunchMission.h"
#include "missions/BinaryCenterMission.h"
#include "missions/BinaryOrbitMission.h"
#include "missions/ChangeOfOrbitMission.h"
#include "missions/EscapeVelocityMission.h"
#include "missions/FirstLaunchMission.h"
#include "missions/FirstOrbitMission.h"
#include "missions/GeostationaryIIMission.h"
#include "missions/GeostationaryMission.h"
#include "missions/LunarLandingMission.h"
#include "missions/LunarOrbitMission.h"
#include "missions/MovingStartMission.h"
#include "missions/OppositeSideMission.h"
#include "missions/OrbitalInsertionMission.h"
#include "missions/SpinCycleMission.h"
#include "missions/SpinningStartMission.h"
#include "missions/TheSkyIsTheLimitMission.h"
#include "missions/ThrustMission.h"
#include "missions/TurnIIIMission.h"
#include "missions/TurnIIMission.h"
#include "missions/TurnMission.h"

void registerMissions(MissionRegistry& registry) {
    // Missions live for the whole run; the registry owns them.
    Mission* const created[] = {
        new ThrustMission,           new TurnMission,
        new TurnIIMission,           new TurnIIIMission,
        new MovingStartMission,      new SpinningStartMission,
        new FirstLaunchMission,      new BiggerLaunchMission,
        new EscapeVelocityMission,   new OppositeSideMission,
        new FirstOrbitMission,       new LunarLandingMission,
        new ChangeOfOrbitMission,    new TheSkyIsTheLimitMission,
        new OrbitalInsertionMission, new SpinCycleMission,
        new GeostationaryMission,    new GeostationaryIIMission,
        new BinaryCenterMission,     new LunarOrbitMission,
        new BinaryOrbitMission,
    };
    // Registering twice keeps the first missions, which screens may point at.
    for (Mission* mission : created) {
        if (!registry.emplace(mission->name, mission).second) delete mission;
    }
}

const std::vector<RankGroup>& rankGroups() {
    static const std::vector<RankGroup> groups = {
        {"Cadet Missions",
         {"Thrust", "Turn", "Turn II", "Moving Start", "Spinning Start", "First Launch",
          "Bigger Launch"}},
        {"Ensign Missions",
         {"Escape Velocity", "Turn III", "Opposite Side", "First Orbit", "Lunar Landing",
          "The Sky is the Limit"}},
        {"Lieutenant Missions",
         {"Change of Orbit", "Orbital Insertion", "Spin Cycle", "Geostationary",
          "Geostationary II"}},
        {"Commander Missions", {"Binary Center", "Lunar Orbit", "Binary Orbit"}},
    };
    return groups;
}
