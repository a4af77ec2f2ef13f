#include "missions/Mission.h"

#include <algorithm>
#include <cmath>

#include "sim/Rocket.h"
#include "sim/World.h"

Mission::Mission(const char* name_, const char* briefing_, float gold, float silver)
    : name(name_), briefing(briefing_), silverLimit(silver), goldLimit(gold) {}

void computeScore(World& world) {
    Mission* mission = world.mission;
    if (!mission) return;
    mission->timeCost = float(world.time) * mission->timeRate;
    mission->thrustCost = 0.0f;
    mission->turnCost = 0.0f;
    if (world.rocket) {
        for (const Instruction& instruction : world.rocket->program) {
            if (instruction.opcode == Thrust) {
                mission->thrustCost += float(instruction.value) * mission->thrustRate;
            } else if (instruction.opcode == Left || instruction.opcode == Right) {
                mission->turnCost += std::fabs(float(instruction.value) * mission->turnRate);
            }
        }
    }
    mission->score = mission->turnCost + mission->thrustCost + mission->timeCost;
}

int medalFor(float value, const Mission& mission) {
    if (value == 0.0f) return 0;
    if (value <= mission.goldLimit) return 3;
    if (value <= mission.silverLimit) return 2;
    return 1;
}

std::string progressReport(const Mission& mission) {
    const std::vector<std::string> texts = mission.objectiveTexts();
    const size_t met = std::min(mission.objectivesMet(), texts.size());
    if (met == texts.size()) return "";
    std::string metText;
    for (size_t i = 0; i < met; ++i) metText += (i ? ", " : "") + texts[i];
    // A long list would run past the view: the count says enough.
    const size_t longest = 48;
    if (metText.size() > longest) metText = std::to_string(met) + " of " + std::to_string(texts.size()) + " objectives";
    return (met ? "Met: " + metText + ". " : std::string()) + "Missed: " + texts[met] + ".";
}
