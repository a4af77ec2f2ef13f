#include <gtest/gtest.h>

#include "screens/MissionMenu.h"
#include "screens/LoadingScreen.h"
#include "screens/MainMenu.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

class Intro : public testing::Test {
protected:
    void SetUp() override {
        useHeadlessFonts();
        static MainMenu mainMenu;
        app.mainMenu = &mainMenu;
        app.clock = 1000.0;
        app.screens.clear();
        pushScreen(intro());
        intro()->entered = true;
        intro()->update();  // entry: the clock starts now
    }
    void TearDown() override { app.screens.clear(); }

    // One intro for all cases: it is large (50000 exhaust points).
    static LoadingScreen* intro() {
        static LoadingScreen screen;
        return &screen;
    }
    int liveExhaust() const {
        int live = 0;
        for (int i = 0; i < intro()->exhaust.count; ++i) live += intro()->exhaust.items[i].life > 0;
        return live;
    }
};

}  // namespace

TEST_F(Intro, EndsOnlyOnceMoreThan75SecondsHavePassed) {
    EXPECT_EQ(intro()->enterTime, 1000.0);
    app.clock = 1000.0 + 75.0;
    intro()->update();
    EXPECT_EQ(currentScreen(), intro());
    app.clock += 0.05;
    intro()->update();
    EXPECT_EQ(currentScreen(), app.mainMenu);
    EXPECT_EQ(app.focus, app.mainMenu);
    EXPECT_TRUE(intro()->entered);
}

TEST_F(Intro, SpaceReturnEscapeAndMousePressesEndItAndOtherKeysDoNot) {
    EXPECT_FALSE(intro()->handleEvent(keyPress(SDLK_a)));
    EXPECT_FALSE(intro()->handleEvent(keyPress(SDLK_UP)));
    EXPECT_FALSE(intro()->handleEvent(mouseMotion(4, 4)));
    EXPECT_EQ(currentScreen(), intro());
    for (SDL_Event event : {keyPress(SDLK_SPACE), keyPress(SDLK_RETURN), keyPress(SDLK_ESCAPE),
                            mousePress(640, 360)}) {
        app.screens.resize(1);
        EXPECT_TRUE(intro()->handleEvent(event));
        EXPECT_EQ(currentScreen(), app.mainMenu);
    }
}

TEST_F(Intro, UncoveredIntroStartsAgainWithAnEmptyTrail) {
    for (int i = 0; i < 40; ++i) {
        app.clock += 0.05;
        intro()->update();
    }
    EXPECT_GT(liveExhaust(), 500);
    intro()->finishIntro();
    popScreen();
    app.clock += 30.0;
    intro()->update();
    EXPECT_EQ(intro()->enterTime, app.clock);
    EXPECT_FALSE(intro()->entered);
    EXPECT_LE(liveExhaust(), 500);  // only this step's new particles
}
