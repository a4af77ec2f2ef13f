// The main loop's pacing when the display does not hold the swaps: an early
// frame sleeps until the next turn, a late wake-up is not carried over, a
// slow frame is not hurried after, and a rate the display cannot tell is 60.
#include <gtest/gtest.h>

#include <vector>

#include "platform/FramePacer.h"

TEST(FramePacer, FramesStartOnePeriodApartWhateverTheSleepsAndSlowFrames) {
    struct Swap {
        double now;
        double rest;
    };
    // 50 frames a second: a turn every 20 ms.
    const std::vector<Swap> swaps = {
        {1.000, 0.0},    // the first frame: the beat starts here
        {1.005, 0.015},  // 5 ms of work: sleep to 1.020
        {1.026, 0.014},  // woke at 1.021: the turn is still 1.040
        {1.100, 0.0},    // a slow frame: the next starts at once, not hurried
        {1.110, 0.010},  // and the beat runs from 1.100
    };
    FramePacer pacer(50.0);
    for (const Swap& s : swaps) EXPECT_NEAR(pacer.restAfterSwap(s.now), s.rest, 1e-9) << s.now;

    FramePacer off(0.0);
    EXPECT_EQ(off.restAfterSwap(1.0), 0.0);
    EXPECT_EQ(off.restAfterSwap(1.001), 0.0);
}

TEST(FramePacer, TheDisplaysRateWhenPlausibleElseSixty) {
    const std::vector<std::pair<int, double>> cases = {
        {60, 60.0}, {75, 75.0}, {144, 144.0}, {0, 60.0}, {-1, 60.0}, {1, 60.0}, {100000, 60.0}};
    for (const auto& c : cases) EXPECT_EQ(pacingRate(c.first), c.second) << c.first;
}
