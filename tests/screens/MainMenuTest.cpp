#include <gtest/gtest.h>

#include "missions/LevelMenu.h"
#include "screens/MainMenu.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

enum Row { Cadet, Ensign, Lieutenant, Commander, Options, Intro, Quit };

class TitleMenu : public testing::Test {
protected:
    void SetUp() override {
        useHeadlessFonts();
        registerFreshLevels();
        app.levelMenu = &levelMenu;
        app.running = true;
        app.screens.clear();
        pushScreen(&intro);
        pushScreen(&menu);
    }
    void TearDown() override {
        app.screens.clear();
        app.running = true;
    }

    // Every mission of the group gets `best` as a fraction of the way from
    // its gold limit to its silver limit (0 = gold, 1 = silver, 2 = bronze).
    void scoreGroup(const std::string& group, float where) {
        for (size_t i = 1; i < levelMenu.pages[group].size(); ++i) {
            Level& level = mission(levelMenu.pages[group][i]);
            level.bestScore = level.goldLimit + where * (level.silverLimit - level.goldLimit);
        }
    }

    Widget intro;
    LevelMenu levelMenu;
    MainMenu menu;
};

}  // namespace

TEST_F(TitleMenu, WithoutScoresOnlyCadetIsOpenAndNoGroupHasAMedal) {
    menu.assessGroups();
    EXPECT_EQ(menu.highestPassed, -1);
    EXPECT_FALSE(menu.locked(Cadet));
    EXPECT_TRUE(menu.locked(Ensign));
    EXPECT_TRUE(menu.locked(Lieutenant));
    EXPECT_TRUE(menu.locked(Commander));
    for (int row : {Cadet, Ensign, Lieutenant, Commander}) EXPECT_EQ(menu.groupMedal(row), 0);
    for (int row : {Options, Intro, Quit}) EXPECT_FALSE(menu.locked(row));
}

TEST_F(TitleMenu, SilverEverywhereInCadetOpensEnsignOnly) {
    scoreGroup("Cadet Missions", 1.0f);  // exactly the silver limits
    menu.assessGroups();
    EXPECT_EQ(menu.groupMedal(Cadet), 2);
    EXPECT_EQ(menu.highestPassed, Cadet);
    EXPECT_FALSE(menu.locked(Ensign));
    EXPECT_TRUE(menu.locked(Lieutenant));

    scoreGroup("Cadet Missions", 0.0f);
    menu.assessGroups();
    EXPECT_EQ(menu.groupMedal(Cadet), 3);
}

TEST_F(TitleMenu, OneBronzeInCadetShowsBronzeAloneAndKeepsEnsignLocked) {
    scoreGroup("Cadet Missions", 0.0f);
    Level& bigger = mission("Bigger Launch");
    bigger.bestScore = bigger.silverLimit + 1.0f;
    menu.assessGroups();
    EXPECT_EQ(menu.groupMedal(Cadet), 1);
    EXPECT_EQ(menu.highestPassed, -1);
    EXPECT_TRUE(menu.locked(Ensign));
}

TEST_F(TitleMenu, OneUnwonMissionLeavesTheGroupWithoutMedal) {
    scoreGroup("Cadet Missions", 0.0f);
    mission("Turn").bestScore = 0.0f;
    menu.assessGroups();
    EXPECT_EQ(menu.groupMedal(Cadet), 0);
    EXPECT_TRUE(menu.locked(Ensign));
}

TEST_F(TitleMenu, ClickingALockedGroupDoesNothing) {
    menu.assessGroups();
    menu.selected = Ensign;
    menu.entered = false;
    EXPECT_TRUE(menu.handleEvent(mousePress(100, 100)));
    EXPECT_EQ(currentScreen(), &menu);
    EXPECT_EQ(levelMenu.currentPage, "Cadet Missions");
    EXPECT_FALSE(menu.entered);
}

TEST_F(TitleMenu, OpenGroupOpensItsMissionMenuPage) {
    scoreGroup("Cadet Missions", 0.5f);
    menu.assessGroups();
    menu.selected = Ensign;
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_RETURN)));
    EXPECT_EQ(currentScreen(), &levelMenu);
    EXPECT_EQ(app.focus, &levelMenu);
    EXPECT_EQ(levelMenu.currentPage, "Ensign Missions");
    EXPECT_TRUE(menu.entered);
}

TEST_F(TitleMenu, UnlockingFollowsTheLastAssessmentNotTheCurrentScores) {
    menu.assessGroups();
    scoreGroup("Cadet Missions", 0.0f);  // won since the last draw
    menu.selected = Ensign;
    menu.handleEvent(keyPress(SDLK_RETURN));
    EXPECT_EQ(currentScreen(), &menu);
    menu.assessGroups();
    menu.handleEvent(keyPress(SDLK_RETURN));
    EXPECT_EQ(currentScreen(), &levelMenu);
}

TEST_F(TitleMenu, IntroUncoversTheIntroAndEscapeQuits) {
    menu.selected = Intro;
    menu.handleEvent(keyPress(SDLK_RETURN));
    EXPECT_EQ(currentScreen(), &intro);
    EXPECT_TRUE(app.running);

    pushScreen(&menu);
    menu.selected = Cadet;
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_ESCAPE)));
    EXPECT_EQ(menu.selected, Quit);
    EXPECT_FALSE(app.running);
}
