// The main loop's pacing when the display does not hold the swaps: an early
// frame sleeps until the next turn, a late wake-up is not carried over, a
// slow frame is not hurried after, and a rate the display cannot tell is 60.
#include <gtest/gtest.h>

#include <vector>

#include "app/FramePacer.h"
#include "app/RedrawGate.h"
#include "app/Ui.h"
#include "app/Widget.h"

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

namespace {

// A screen that moves while `moves` is set.
struct StillScreen : Widget {
    explicit StillScreen(Ui& ui) : Widget(ui) {}
    bool moves = false;
    bool moving() override { return moves; }
};

}  // namespace

TEST(RedrawGate, AStillScreenIsDrawnOnlyAfterInputAChangeOfScreenOrWhileItMoves) {
    Ui ui;
    StillScreen game(ui), menu(ui);
    RedrawGate gate;
    const struct {
        double now;
        Widget* screen;
        bool input, moves, drawn;
    } turns[] = {
        {0.00, &game, false, false, true},   // the first frame of a screen
        {0.02, &game, false, false, false},  // nothing changed
        {0.50, &game, true, false, true},    // a key
        {0.70, &game, false, false, true},   // its update may come a little later
        {0.80, &game, false, false, false},
        {0.90, &game, false, true, true},    // a run
        {1.00, &menu, false, false, true},   // another screen on top
        {1.10, &menu, false, false, false},
        {1.20, nullptr, true, false, false},  // nothing to draw
    };
    for (const auto& t : turns) {
        if (t.input) gate.input(t.now);
        game.moves = t.moves;
        EXPECT_EQ(gate.wanted(t.screen, t.now), t.drawn) << t.now;
    }
    RedrawGate always(true);
    EXPECT_TRUE(always.wanted(&game, 0.0));
    EXPECT_TRUE(always.wanted(&game, 5.0));
}
