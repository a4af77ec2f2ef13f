#pragma once

#include <memory>
#include <string>

#include "sim/Goal.h"
#include "sim/Vec2.h"

struct World;

// How far one run has come through a mission's objectives: what the rules
// remember between steps. Owned by the world and copied with it.
class Judge {
public:
    virtual ~Judge() = default;
    virtual std::unique_ptr<Judge> clone() const = 0;
    // After every step: marks the world's run won or failed when it is.
    virtual void update(World& world) = 0;
    // Appends the goals to show now, in drawing order.
    virtual void goals(const World&, Goals&) const {}
    // The earliest world time (as update() sees it) at which an update could
    // mark the run won or failed, from the state it is in now; the present
    // time where the rules cannot tell.
    virtual long earliestEnd(const World& world) const;
    // What a run that ended without a win came to, in the player's words:
    // "Met: get outside the red circle. Missed: land again." ("" where the
    // rules cannot tell).
    virtual std::string progressReport() const { return ""; }
};

// What judging a run needs from a mission: its start, its costs and medal
// limits, and a judge for each run. Never changed by a run, so any number of
// worlds, on any threads, fly one mission at once.
class Rules {
public:
    virtual ~Rules() = default;

    float silverLimit = 0.0f;  // a score <= this earns silver
    float goldLimit = 0.0f;    // a score <= this earns gold
    // What a run pays per unit of thrust, per unit of turn, per step.
    float thrustRate = 1.0f;
    float turnRate = 0.1f;
    float timeRate = 0.01f;

    // Adds the bodies and places the ship of a fresh run.
    virtual void setup(World&) const {}
    // The judge of a fresh run; none for rules under which a run never ends.
    virtual std::unique_ptr<Judge> judge() const { return nullptr; }
    // Goals that stand still: shown beneath the judge's goals and kept as a
    // picture between frames, so they may depend on nothing but fixedGoalsCentre().
    virtual void fixedGoals(const World&, Goals&) const {}
    virtual bool hasFixedGoals() const { return false; }
    virtual Vec2 fixedGoalsCentre(const World&) const { return Vec2(); }
};

// 0 none (value 0 = never won), 1 bronze, 2 silver, 3 gold.
int medalFor(float value, const Rules& rules);
