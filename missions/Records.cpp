#include "missions/Records.h"

bool betterBest(float score, float best) { return score > 0.0f && (best == 0.0f || score < best); }

float Records::best(const std::string& mission) const {
    const auto found = byMission.find(mission);
    return found == byMission.end() ? 0.0f : found->second.bestScore;
}

const std::string& Records::program(const std::string& mission) const {
    static const std::string none;
    const auto found = byMission.find(mission);
    return found == byMission.end() ? none : found->second.program;
}

void Records::offer(const std::string& mission, float score, const std::string& program) {
    Record& kept = byMission[mission];
    if (kept.bestScore == 0.0f || score <= kept.bestScore) kept = Record{score, program};
}

void Records::merge(const Records& other) {
    for (const auto& [mission, record] : other.byMission) {
        const auto found = byMission.find(mission);
        if (found == byMission.end()) {
            byMission[mission] = record;
        } else if (betterBest(record.bestScore, found->second.bestScore)) {
            found->second = record;
        }
    }
}
