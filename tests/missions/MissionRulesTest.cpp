// Each mission's rules for winning and failing, judged where the ship is put:
// goals in any order, strict edges, bands held one step longer than their
// count. The stored solutions show that every mission can be won, and what
// a run costs.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/SimSupport.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/support/SimSupport.h"

namespace {

struct Visit {
    Vec2 at;
    bool landed = false;
    int time = 0;
};

// The mission started afresh, its check run once with the ship at each place
// in turn: "won", "failed" or "" for neither.
std::string outcome(const std::string& name, const std::vector<Visit>& visits) {
    World world;
    world.mission = &mission(name);
    world.clearProgramAndReset();
    for (const Visit& v : visits) {
        world.rocket->position = v.at;
        world.rocket->landed = v.landed;
        world.time = v.time;
        world.mission->update(world);
    }
    return world.mission->won ? "won" : world.mission->failed ? "failed" : "";
}

Vec2 polar(double r, double a) { return Vec2(r * std::cos(a), r * std::sin(a)); }

}  // namespace

TEST(MissionRules, GoalsCountOnlyInsideTheirEdgesAndAllMustBeReached) {
    // Landed 10 units along the surface from the opposite side's target (130, 200).
    const Vec2 nearTarget = Vec2(200.0, 200.0) + polar(78.1, M_PI + 10.0 / 70.0);
    const struct {
        const char* mission;
        std::vector<Visit> visits;
        const char* outcome;
    } cases[] = {
        {"Thrust", {{Vec2(450.0, 0.0)}, {Vec2(400.0, -50.0)}}, ""},  // on the edge
        {"Thrust", {{Vec2(449.99, 0.0)}}, "won"},
        {"Turn II", {{Vec2(400.0, 210.0)}, {Vec2(200.0, 100.0)}}, ""},
        {"Turn II", {{Vec2(400.0, 210.0)}, {Vec2(200.0, 100.0)}, {Vec2(390.0, 0.0)}}, "won"},
        {"Turn III",
         {{Vec2(600.0, -200.0)}, {Vec2(0.0, -100.0)}, {Vec2(400.0, 200.0)}, {Vec2(400.0, 0.0)}},
         "won"},
        // Launches win on landing again after being beyond the circle.
        {"First Launch", {{Vec2(300.0, 200.0)}, {Vec2(278.0, 200.0), true}}, ""},
        {"First Launch", {{Vec2(200.0, 300.01)}, {Vec2(200.0, 122.0), true}}, "won"},
        {"Escape Velocity", {{Vec2(200.0, -2870.5)}}, "won"},
        {"Opposite Side", {{Vec2(278.0, 200.0), true}, {Vec2(130.0, 200.0)}}, ""},
        {"Opposite Side", {{nearTarget, true}}, "won"},
        // The moon first (landed, not flying close), then home.
        {"Lunar Landing", {{Vec2(278.0, 200.0), true}, {Vec2(200.0, 278.1), true}}, ""},
        // The sky clock starts off the ground; touching the radar ceiling fails.
        {"The Sky is the Limit",
         {{Vec2(0.0, 158.1), true, 40},
          {Vec2(0.0, 170.0), false, 41},
          {Vec2(0.0, 170.0), false, 10041}},
         ""},
        {"The Sky is the Limit",
         {{Vec2(0.0, 158.1), true, 40},
          {Vec2(0.0, 170.0), false, 41},
          {Vec2(0.0, 170.0), false, 10042}},
         "won"},
        {"The Sky is the Limit", {{Vec2(120.0, -160.01)}}, "failed"},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c.mission, c.visits), c.outcome) << c.mission;
}

TEST(MissionRules, BandsAreStrictAndHeldOneStepLongerThanTheirCountToWin) {
    const struct {
        const char* mission;
        int count;
        Vec2 inside;
        std::vector<Vec2> outside;
    } cases[] = {
        {"First Orbit", 20000, Vec2(450.0, 200.0), {Vec2(500.0, 200.0), Vec2(400.0, 200.0)}},
        {"Change of Orbit", 20000, Vec2(325.0, 200.0), {Vec2(350.0, 200.0), Vec2(300.0, 200.0)}},
        {"Orbital Insertion", 10000, Vec2(0.0, 120.0), {Vec2(0.0, 150.0), Vec2(0.0, 100.0)}},
        {"Spin Cycle", 5000, Vec2(0.0, -249.0), {Vec2(150.0, 0.0)}},
        {"Binary Center", 5000, Vec2(0.0, 0.0), {Vec2(30.0, 40.0)}},
        {"Binary Orbit", 30000, Vec2(0.0, 400.0), {Vec2(0.0, 500.0)}},
        // Wedges over the turning planet, and above 90 from its centre.
        {"Geostationary", 15000, polar(200.0, 0.7), {Vec2(200.0, 200.0), Vec2(72.0, 54.0)}},
        {"Geostationary II", 15000, polar(200.0, 0.38), {polar(200.0, 0.40), polar(200.0, -0.01)}},
    };
    for (const auto& c : cases) {
        const int end = 5 + c.count;
        EXPECT_EQ(outcome(c.mission, {{c.inside, false, 5}, {c.inside, false, end}}), "")
            << c.mission;
        EXPECT_EQ(outcome(c.mission, {{c.inside, false, 5}, {c.inside, false, end + 1}}), "won")
            << c.mission;
        for (Vec2 out : c.outside)
            EXPECT_EQ(outcome(c.mission, {{out, false, 5}, {out, false, end + 1}}), "")
                << c.mission << " at " << out.x << ", " << out.y;
        // Leaving for one step restarts the count.
        EXPECT_EQ(outcome(c.mission, {{c.inside, false, 5},
                                      {c.outside[0], false, 6},
                                      {c.inside, false, 7},
                                      {c.inside, false, end + 1}}),
                  "")
            << c.mission;
    }
}


TEST(MissionRules, ARunThatEndsWithoutAWinIsToldTheObjectivesItMetAndTheOneItMissed) {
    const struct {
        const char* mission;
        std::vector<Visit> visits;
        const char* report;
    } cases[] = {
        {"First Launch", {}, "Missed: get outside the red circle."},
        {"First Launch", {{Vec2(310.0, 200.0)}},
         "Met: get outside the red circle. Missed: land again."},
        {"Thrust", {{Vec2(0.0, 0.0)}}, "Missed: reach the red circle."},
        {"Lunar Landing", {}, "Missed: land on the moon."},
        {"First Orbit", {}, "Missed: stay between the red circles for 20000 s."},
        {"Geostationary", {}, "Missed: stay above the marked ground for 15000 s."},
    };
    for (const auto& c : cases) {
        World world;
        world.mission = &mission(c.mission);
        world.clearProgramAndReset();
        for (const Visit& v : c.visits) {
            world.rocket->position = v.at;
            world.rocket->landed = v.landed;
            world.mission->update(world);
        }
        EXPECT_EQ(progressReport(*world.mission), c.report) << c.mission;
    }
}
