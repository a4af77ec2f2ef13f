#include "missions/Levels.h"

#include "missions/Level_BiggerLaunch.h"
#include "missions/Level_BinaryCenter.h"
#include "missions/Level_BinaryOrbit.h"
#include "missions/Level_ChangeOfOrbit.h"
#include "missions/Level_EsacpeVelocity.h"
#include "missions/Level_FirstLaunch.h"
#include "missions/Level_FirstOrbit.h"
#include "missions/Level_Geostationary.h"
#include "missions/Level_GeostationaryII.h"
#include "missions/Level_LunarLanding.h"
#include "missions/Level_LunarOrbit.h"
#include "missions/Level_MovingStart.h"
#include "missions/Level_OppositeSide.h"
#include "missions/Level_OrbitalInsertion.h"
#include "missions/Level_SpinCycle.h"
#include "missions/Level_SpinningStart.h"
#include "missions/Level_TheSkyIsTheLimit.h"
#include "missions/Level_Thrust.h"
#include "missions/Level_Turn.h"
#include "missions/Level_TurnII.h"
#include "missions/Level_TurnIII.h"

void registerLevels(LevelRegistry& registry) {
    // Missions live for the whole run; the registry owns them.
    Level* const created[] = {
        new Level_Thrust,           new Level_Turn,
        new Level_TurnII,           new Level_TurnIII,
        new Level_MovingStart,      new Level_SpinningStart,
        new Level_FirstLaunch,      new Level_BiggerLaunch,
        new Level_EsacpeVelocity,   new Level_OppositeSide,
        new Level_FirstOrbit,       new Level_LunarLanding,
        new Level_ChangeOfOrbit,    new Level_TheSkyIsTheLimit,
        new Level_OrbitalInsertion, new Level_SpinCycle,
        new Level_Geostationary,    new Level_GeostationaryII,
        new Level_BinaryCenter,     new Level_LunarOrbit,
        new Level_BinaryOrbit,
    };
    // Registering twice keeps the first missions, which screens may point at.
    for (Level* level : created) {
        if (!registry.emplace(level->name, level).second) delete level;
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
