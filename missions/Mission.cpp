#include "missions/Mission.h"

#include "sim/World.h"

Mission::Mission(const char* name_, const char* briefing_, float gold, float silver)
    : name(name_), briefing(briefing_) {
    silverLimit = silver;
    goldLimit = gold;
}

const Mission* missionOf(const World& world) { return dynamic_cast<const Mission*>(world.mission); }

const std::string& nameOf(const World& world) {
    static const std::string none;
    const Mission* mission = missionOf(world);
    return mission ? mission->name : none;
}
