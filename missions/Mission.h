#pragma once

#include <string>

#include "missions/Goal.h"
#include "sim/Vec2.h"

struct World;

// One mission: its rules (title, briefing, limits, rates) and its behaviour (set-up, per-step check, the goals it shows). Missions are
// owned by the registry and never destroyed.
class Mission {
public:
    virtual ~Mission() = default;

    std::string name;          // title; registry and score-file key
    std::string briefing;      // prose, "Good luck Quorrin!", objectives
    float score = 0.0f;        // score of the run judged last
    float silverLimit = 0.0f;  // best <= this earns silver
    float goldLimit = 0.0f;    // best <= this earns gold
    float thrustCost = 0.0f;
    float turnCost = 0.0f;
    float timeCost = 0.0f;
    // What a run pays per unit of thrust, per unit of turn, per step.
    float thrustRate = 1.0f;
    float turnRate = 0.1f;
    float timeRate = 0.01f;
    bool won = false;
    bool failed = false;
    std::string failReason;  // why the run failed, in the player's words; set with `failed`
    // The closest the ship came this run to the objective it has yet to
    // meet, in world units; negative where that is not a distance. Measured
    // only while `measureApproach` is set: the runs the player watches, not
    // the optimizer's or the preview's, which it would only slow.
    double nearestGoal = -1.0;
    bool measureApproach = false;

    virtual void setup(World&) {}
    virtual void update(World&) {}
    // Appends the goals to show now, in drawing order.
    virtual void goals(const World&, Goals&) const {}
    // Goals that stand still: shown beneath goals() and kept as a picture
    // between frames, so they may depend on nothing but fixedGoalsCentre().
    virtual void fixedGoals(const World&, Goals&) const {}
    virtual bool hasFixedGoals() const { return false; }
    virtual Vec2 fixedGoalsCentre(const World&) const { return Vec2(); }

protected:
    Mission(const char* name_, const char* briefing_, float gold, float silver);
};

// Writes score and its three parts from world.mission, its rates and the ship's program.
void computeScore(World& world);
// 0 none (value 0 = never won), 1 bronze, 2 silver, 3 gold.
int medalFor(float value, const Mission& mission);
