#include <gtest/gtest.h>

#include "screens/GameScreen.h"
#include "screens/MissionBriefingScreen.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

// The briefing of "Thrust" shown over a stand-in mission menu.
class Briefing : public testing::Test {
protected:
    void SetUp() override {
        useHeadlessFonts();
        registerFreshMissions();
        static GameScreen game;
        app.gameScreen = &game;
        app.screens.clear();
        pushScreen(&missionMenu);
        pushScreen(&screen);
        app.world.mission = &mission("Thrust");
        delete app.world.rocket;
        app.world.rocket = new Rocket();
        screen.update();  // the entry work
    }
    void TearDown() override { app.screens.clear(); }

    Widget missionMenu;
    MissionBriefingScreen screen;
};

}  // namespace

TEST_F(Briefing, EntryHighlightsAcceptAndRestartsTheTimer) {
    app.clock = 12.5;
    screen.selected = 1;
    screen.entered = true;
    screen.update();
    EXPECT_EQ(screen.selected, 0);
    EXPECT_FALSE(screen.entered);
    EXPECT_EQ(screen.enterTime, 12.5);
    EXPECT_EQ(screen.choices, (std::vector<std::string>{"Accept", "Reject"}));
}

TEST_F(Briefing, ArrowsStopAtTheFirstAndLastChoiceAndOtherKeysAreKept) {
    for (auto step : {std::make_pair(SDLK_UP, 0), std::make_pair(SDLK_DOWN, 1),
                      std::make_pair(SDLK_DOWN, 1), std::make_pair(SDLK_UP, 0)}) {
        EXPECT_TRUE(screen.handleEvent(keyPress(step.first)));
        EXPECT_EQ(screen.selected, step.second);
    }
    EXPECT_TRUE(screen.handleEvent(keyPress(SDLK_x)));
    EXPECT_EQ(currentScreen(), &screen);
}

TEST_F(Briefing, EscapeRejectsEvenWithAcceptHighlighted) {
    screen.entered = false;
    EXPECT_TRUE(screen.handleEvent(keyPress(SDLK_ESCAPE)));
    EXPECT_EQ(screen.selected, 1);
    EXPECT_EQ(currentScreen(), &missionMenu);
    EXPECT_EQ(app.focus, &missionMenu);
    EXPECT_TRUE(screen.entered);
}

TEST_F(Briefing, AcceptReplacesTheBriefingWithTheGameScreenAndLoadsTheBestProgram) {
    mission("Thrust").savedProgram = "2 T 100 R 30\n";
    screen.entered = false;
    EXPECT_TRUE(screen.handleEvent(keyPress(SDLK_RETURN)));
    ASSERT_EQ(app.screens.size(), 2u);
    EXPECT_EQ(app.screens[0], &missionMenu);
    EXPECT_EQ(currentScreen(), app.gameScreen);
    EXPECT_EQ(app.focus, app.gameScreen);
    EXPECT_TRUE(screen.entered);
    EXPECT_EQ(programText(app.world.rocket->program), "2 T 100 R 30\n");
}

TEST_F(Briefing, AcceptingANeverWonMissionStartsWithAnEmptyProgram) {
    EXPECT_TRUE(screen.handleEvent(mousePress(3, 3)));
    EXPECT_EQ(currentScreen(), app.gameScreen);
    EXPECT_TRUE(app.world.rocket->program.empty());
}

TEST_F(Briefing, PointerAtAChoicesHeightHighlightsItFarToTheSide) {
    // "Reject" stands at y = 48 (window pixels, y up); SDL rows count from the top.
    int rejectRow = app.height - 1 - 50;
    EXPECT_TRUE(screen.handleEvent(mouseMotion(app.width - 1, rejectRow)));
    EXPECT_EQ(screen.selected, 1);
    EXPECT_TRUE(screen.handleEvent(mouseMotion(0, app.height - 1 - 300)));
    EXPECT_EQ(screen.selected, 1);
    EXPECT_TRUE(screen.handleEvent(mouseMotion(0, app.height - 1 - 100)));
    EXPECT_EQ(screen.selected, 0);
    EXPECT_TRUE(screen.handleEvent(mousePress(app.width - 1, 0)));
    EXPECT_EQ(currentScreen(), app.gameScreen);
}
