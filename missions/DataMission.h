#pragma once

#include <vector>

#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "sim/TurningWindow.h"

// A mission made from its file: bodies and ship as listed, objectives met
// one after the other, failures checked every step.
class DataMission : public Mission {
public:
    explicit DataMission(const MissionDef& def);

    void setup(World& world) override;
    // Failures first, then the objectives from the current one on: an
    // objective met in a step lets the next one be judged in the same step.
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;
    // The height rings around the body of the first turning sector.
    void fixedGoals(const World& world, Goals& out) const override;
    bool hasFixedGoals() const override { return sectorBody >= 0; }
    Vec2 fixedGoalsCentre(const World& world) const override;

    std::vector<std::string> objectiveTexts() const override;
    size_t objectivesMet() const override { return stage; }

    const MissionDef& def() const { return def_; }
    // What the player is told when failure `index` ends a run.
    std::string failureReason(size_t index) const;

private:
    struct Progress {
        std::vector<char> visited;  // Visit: per circle, 1 once entered
        bool inRange = false;       // Hold: inside the window now
        int rangeStart = 0;         // Hold: world time of the last entry
    };
    bool met(size_t index, World& world);
    bool failing(size_t index, World& world);
    std::string objectiveText(size_t index) const;
    // How far the ship is from meeting objective `index`; negative if not a distance.
    double distanceTo(size_t index, const World& world) const;

    MissionDef def_;
    std::vector<Progress> progress;      // per objective
    std::vector<TurningWindow> windows;  // per objective; used by sectors only
    std::vector<bool> flown;             // per failure: the ship has been off the ground
    size_t stage = 0;                    // objectives met so far
    int stageStart = 0;                  // world time at which the current objective began
    int sectorBody = -1;
};
