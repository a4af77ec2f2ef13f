#include <gtest/gtest.h>

#include <vector>

#include "screens/MissionMenu.h"
#include "screens/MainMenu.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

enum Row { Cadet, Ensign, Lieutenant, Commander, Options, Intro, Quit };

class TitleMenu : public testing::Test {
protected:
    void SetUp() override {
        useHeadlessFonts();
        registerFreshMissions();
        app.missionMenu = &missionMenu;
        app.running = true;
        app.screens.clear();
        pushScreen(&intro);
        pushScreen(&menu);
    }
    void TearDown() override {
        app.screens.clear();
        app.running = true;
    }

    // Every mission of the group gets a best score as a fraction of the way
    // from its gold limit to its silver limit (0 = gold, 1 = silver).
    void scoreGroup(const std::string& group, float where) {
        for (size_t i = 1; i < missionMenu.pages[group].size(); ++i)
            setBest(mission(missionMenu.pages[group][i]), where);
    }
    // -1 leaves the mission never won; 2 is just past its silver limit.
    static void setBest(Mission& mission, float where) {
        mission.bestScore = where < 0.0f ? 0.0f
                          : where > 1.0f
                              ? mission.silverLimit + 1.0f
                              : mission.goldLimit + where * (mission.silverLimit - mission.goldLimit);
    }

    Widget intro;
    MissionMenu missionMenu;
    MainMenu menu;
};

}  // namespace

TEST_F(TitleMenu, AGroupsMedalIsItsWorstMissionsAndSilverEverywhereOpensTheNextGroup) {
    struct Case {
        float where;          // every Cadet mission's best: 0 gold, 1 silver, -1 none
        const char* changed;  // one mission changed from that
        float changedBest;    // as a fraction as well; 2: just past silver
        int medal;
        bool ensignOpen;
    };
    const std::vector<Case> cases = {
        {-1.0f, "", 0.0f, 0, false},     {1.0f, "", 0.0f, 2, true},
        {0.0f, "", 0.0f, 3, true},       {0.0f, "Bigger Launch", 2.0f, 1, false},
        {0.0f, "Turn", -1.0f, 0, false},
    };
    for (const Case& c : cases) {
        scoreGroup("Cadet Missions", c.where);
        if (*c.changed) setBest(mission(c.changed), c.changedBest);
        menu.assessGroups();
        EXPECT_EQ(menu.groupMedal(Cadet), c.medal) << c.where << " " << c.changed;
        EXPECT_EQ(menu.highestPassed, c.ensignOpen ? Cadet : -1) << c.where << " " << c.changed;
        EXPECT_EQ(menu.locked(Ensign), !c.ensignOpen) << c.where << " " << c.changed;
        EXPECT_TRUE(menu.locked(Lieutenant));
        EXPECT_TRUE(menu.locked(Commander));
        EXPECT_FALSE(menu.locked(Cadet));
        for (int row : {Options, Intro, Quit}) EXPECT_FALSE(menu.locked(row));
    }
}

TEST_F(TitleMenu, ClickingALockedGroupDoesNothing) {
    menu.assessGroups();
    menu.selected = Ensign;
    menu.entered = false;
    EXPECT_TRUE(menu.handleEvent(mousePress(100, 100)));
    EXPECT_EQ(currentScreen(), &menu);
    EXPECT_EQ(missionMenu.currentPage, "Cadet Missions");
    EXPECT_FALSE(menu.entered);
}

TEST_F(TitleMenu, UnlockingFollowsTheLastAssessmentNotTheCurrentScores) {
    menu.assessGroups();
    scoreGroup("Cadet Missions", 0.0f);  // won since the last draw
    menu.selected = Ensign;
    menu.handleEvent(keyPress(SDLK_RETURN));
    EXPECT_EQ(currentScreen(), &menu);
    menu.assessGroups();
    menu.handleEvent(keyPress(SDLK_RETURN));
    EXPECT_EQ(currentScreen(), &missionMenu);
}
