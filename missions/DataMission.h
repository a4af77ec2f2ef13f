#pragma once

#include <memory>
#include <string>
#include <vector>

#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "missions/MissionParts.h"

// A mission made from its file: bodies and ship as listed, objectives met
// one after the other, failures checked every step.
class DataMission : public Mission {
public:
    explicit DataMission(const MissionDef& def);

    void setup(World& world) const override;
    // Judges failures first, then the objectives from the current one on:
    // an objective met in a step lets the next one be judged in the same step.
    std::unique_ptr<Judge> judge() const override;
    // The height rings around the body of the first turning sector.
    void fixedGoals(const World& world, Goals& out) const override;
    bool hasFixedGoals() const override { return sectorBody >= 0; }
    Vec2 fixedGoalsCentre(const World& world) const override;

    const MissionDef& def() const { return def_; }
    // An objective's distances, a failure's radius, as limits to compare with.
    struct Limits {
        DistanceLimit radius, inner, outer;
    };
    const Limits& objectiveLimits(size_t index) const { return objectiveLimits_[index]; }
    const DistanceLimit& failureRadius(size_t index) const { return failureRadii[index]; }
    // What the player is told when failure `index` ends a run.
    std::string failureReason(size_t index) const;

private:
    MissionDef def_;
    int sectorBody = -1;
    std::vector<Limits> objectiveLimits_;     // per objective
    std::vector<DistanceLimit> failureRadii;  // per failure
};
