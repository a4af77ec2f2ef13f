#include <gtest/gtest.h>

#include <vector>

#include "app/Application.h"
#include "app/MainLoop.h"
#include "app/Widget.h"

namespace {

// A screen that counts its updates and can act on a given one.
class CountingScreen : public Widget {
public:
    int updates = 0;
    int actOnUpdate = -1;
    void (*action)() = nullptr;
    void update() override {
        ++updates;
        if (updates == actOnUpdate) action();
    }
};

CountingScreen* nextScreen = nullptr;

class FixedUpdates : public ::testing::Test {
protected:
    CountingScreen first;
    CountingScreen second;

    void SetUp() override {
        app.screens.clear();
        app.running = true;
        app.stepCount = 0;
        app.clock = 0.0;
        pushScreen(&first);
        nextScreen = &second;
    }
};

}  // namespace

TEST_F(FixedUpdates, TheClockCatchesUpWithNowAndNoFurtherWhateverTheGap) {
    const double gaps[] = {0.0001, 0.049, 0.05, 0.051, 0.73, 2.0, 11.37};
    double now = 100.0;
    app.clock = now;
    for (double gap : gaps) {
        now += gap;
        runFixedUpdates(now);
        EXPECT_GE(app.clock, now) << gap;
        EXPECT_LT(app.clock - 0.05, now) << gap;
    }
    EXPECT_EQ(app.stepCount, first.updates);
}

TEST_F(FixedUpdates, AScreenSwitchMidCatchUpHandsTheRemainingStepsToTheNewScreen) {
    first.actOnUpdate = 2;
    first.action = [] { pushScreen(nextScreen); };
    runFixedUpdates(0.3);
    EXPECT_EQ(first.updates, 2);
    EXPECT_EQ(second.updates, 4);
    EXPECT_EQ(app.stepCount, 6);
}

TEST_F(FixedUpdates, ClearingRunningStopsTheCatchUpAtOnce) {
    first.actOnUpdate = 3;
    first.action = [] { app.running = false; };
    runFixedUpdates(1.0);
    EXPECT_EQ(first.updates, 3);
    EXPECT_EQ(app.stepCount, 3);
}

namespace {

// Records whether the loop was still running when the event reached it.
class QuitWatcher : public Widget {
public:
    std::vector<bool> runningWhenSeen;
    bool handleEvent(const SDL_Event& event) override {
        if (event.type == SDL_QUIT) runningWhenSeen.push_back(app.running);
        return false;
    }
};

}  // namespace

TEST(EventHandling, CloseRequestIsOfferedToTheFocusChainBeforeTheLoopStops) {
    app.screens.clear();
    app.running = true;
    QuitWatcher screen;
    Widget child;
    child.parent = &screen;
    pushScreen(&screen);
    app.focus = &child;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    processEvent(quit);
    EXPECT_EQ(screen.runningWhenSeen, std::vector<bool>{true});
    EXPECT_FALSE(app.running);
    processEvent(quit);  // events after it in the same drain are still handled
    EXPECT_EQ(screen.runningWhenSeen.size(), 2u);
    app.running = true;
}
