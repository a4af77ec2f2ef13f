#pragma once

#include <functional>
#include <string>

#include "sim/Vec2.h"

class Mission;
struct World;

// Flying a mission without a window, as the game screen would at normal speed.

struct FlightResult {
    std::string mission;
    const char* result = "timeout";  // "won", "failed" or "timeout"
    int time = 0;                    // world time at the end, steps
    float score = 0.0f;
    float thrust = 0.0f;
    float turn = 0.0f;
    float timeCost = 0.0f;
    int medal = 0;   // 0 none .. 3 gold; none unless won
    long steps = 0;  // world steps taken
    Vec2 position;   // ship's final state
    Vec2 velocity;
    double angle = 0.0;
};

// Called after every step with the number of steps taken so far.
using StepObserver = std::function<void(long step, const World& world)>;

// Makes `mission` current, loads `programText` into the ship as the briefing's
// "Accept" does and flies until won, failed or `maxSteps` steps, in updates
// of up to 10 steps that stop as soon as the mission is won.
FlightResult flyMission(World& world, const Mission& mission, const std::string& programText,
                        long maxSteps, const StepObserver& observer = StepObserver());

// The one-line report: "mission=... result=... time=... score=... ...".
std::string formatResult(const FlightResult& result);

const char* medalName(int medal);
