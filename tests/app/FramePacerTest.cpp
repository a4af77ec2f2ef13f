// The main loop's pacing when the display does not hold the swaps: a frame
// that came early sleeps the rest of its period, a slow one none, and a rate
// the display cannot tell is taken as 60.
#include <gtest/gtest.h>

#include <vector>

#include "app/FramePacer.h"

TEST(FramePacer, AnEarlyFrameRestsTheRestOfItsPeriodAndNoOtherDoes) {
    struct Case {
        double rate;
        double start;  // < 0: no frame yet
        double now;
        double rest;
    };
    const std::vector<Case> cases = {
        {50.0, 10.0, 10.005, 0.015},  // 5 ms of 20 drawn
        {50.0, 10.0, 10.020, 0.0},    // exactly its period
        {50.0, 10.0, 10.100, 0.0},    // slow: the next one starts at once
        {50.0, -1.0, 0.5, 0.0},       // the first frame
        {0.0, 10.0, 10.001, 0.0},     // pacing off
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(FramePacer(c.rate).restAfter(c.start, c.now), c.rest, 1e-9)
            << c.rate << " " << c.start << " " << c.now;
    }
}

TEST(FramePacer, TheDisplaysRateWhenPlausibleElseSixty) {
    const std::vector<std::pair<int, double>> cases = {
        {60, 60.0}, {75, 75.0}, {144, 144.0}, {0, 60.0}, {-1, 60.0}, {1, 60.0}, {100000, 60.0}};
    for (const auto& c : cases) EXPECT_EQ(pacingRate(c.first), c.second) << c.first;
}
