#include <gtest/gtest.h>

#include "screens/MissionMenu.h"
#include "screens/MissionBriefingScreen.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

class MissionMenu : public testing::Test {
protected:
    void SetUp() override {
        useHeadlessFonts();
        registerFreshMissions();
        app.width = 1280;
        app.height = 720;
        static MissionBriefingScreen briefing;
        app.briefingScreen = &briefing;
        app.screens.clear();
        pushScreen(&mainMenu);
        pushScreen(&menu);
    }
    void TearDown() override { app.screens.clear(); }

    Widget mainMenu;
    MissionMenu menu;
};

}  // namespace

TEST_F(MissionMenu, EachRankGroupPageStartsWithBackThenItsMissions) {
    ASSERT_EQ(menu.pages.size(), rankGroups().size());
    for (const RankGroup& group : rankGroups()) {
        std::vector<std::string> expected = {"<- Back -<<"};
        expected.insert(expected.end(), group.missions.begin(), group.missions.end());
        EXPECT_EQ(menu.pages[group.title], expected) << group.title;
    }
    EXPECT_EQ(menu.currentPage, "Cadet Missions");
}

TEST_F(MissionMenu, CommanderPageRowsStandAroundTheMiddleOfTheWindow) {
    menu.currentPage = "Commander Missions";
    int half = app.height / 2;
    EXPECT_EQ(menu.rowPosition(0).y, half + 24);
    EXPECT_EQ(menu.rowPosition(1).y, half - 8);
    EXPECT_EQ(menu.rowPosition(2).y, half - 40);
    EXPECT_EQ(menu.rowPosition(3).y, half - 72);
    EXPECT_EQ(menu.rowPosition(0).x, app.width / 2 - 100);
}

TEST_F(MissionMenu, ArrowsStopAtTheFirstAndLastEntry) {
    menu.currentPage = "Commander Missions";
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_UP)));
    EXPECT_EQ(menu.selected, 0);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_DOWN)));
    EXPECT_EQ(menu.selected, 3);
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_q)));
    EXPECT_EQ(menu.selected, 3);
    EXPECT_FALSE(menu.handleEvent(SDL_Event{SDL_ACTIVEEVENT}));
}

TEST_F(MissionMenu, EscapeGoesBackToTheMainMenuWhateverIsHighlighted) {
    menu.selected = 4;
    menu.entered = false;
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_ESCAPE)));
    EXPECT_EQ(menu.selected, 0);
    EXPECT_EQ(currentScreen(), &mainMenu);
    EXPECT_EQ(app.focus, &mainMenu);
    EXPECT_TRUE(menu.entered);
}

TEST_F(MissionMenu, PointerHeightPicksTheRowAndAPressFarRightActivatesIt) {
    // "Thrust" is row 1 of the Cadet page.
    int rowY = int(menu.rowPosition(1).y);
    EXPECT_TRUE(menu.handleEvent(mouseMotion(0, app.height - 1 - (rowY + 16))));
    EXPECT_EQ(menu.selected, 1);
    EXPECT_TRUE(menu.handleEvent(mouseMotion(0, app.height - 1 - (rowY + 20))));
    EXPECT_EQ(menu.selected, 1);  // between rows: unchanged
    EXPECT_TRUE(menu.handleEvent(mousePress(app.width - 1, app.height - 1)));
    EXPECT_EQ(app.world.mission, &mission("Thrust"));
    EXPECT_EQ(currentScreen(), app.briefingScreen);
    EXPECT_TRUE(menu.entered);
}

TEST_F(MissionMenu, ChoosingAMissionEmptiesTheProgramAndResetsTheWorld) {
    app.world.mission = &mission("Turn");
    app.world.reset();
    app.world.rocket->program = {{Thrust, 5}, {Left, 9}};
    app.world.time = 77;
    menu.selected = 1;
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_RETURN)));
    EXPECT_EQ(app.world.mission, &mission("Thrust"));
    ASSERT_NE(app.world.rocket, nullptr);
    EXPECT_TRUE(app.world.rocket->program.empty());
    EXPECT_EQ(app.world.time, 0);
    EXPECT_FALSE(app.world.bodies.empty());
    ASSERT_EQ(app.screens.size(), 3u);
    EXPECT_EQ(app.screens[1], &menu);
}
