#include <gtest/gtest.h>

#include <vector>

#include "missions/LevelMenu.h"
#include "screens/MainMenu.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

enum Row { Cadet, Ensign, Lieutenant, Commander, Options, Intro, Quit };

class TitleMenu : public testing::Test {
protected:
    void SetUp() override {
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

    // Every mission of the group gets a best score as a fraction of the way
    // from its gold limit to its silver limit (0 = gold, 1 = silver).
    void scoreGroup(const std::string& group, float where) {
        for (size_t i = 1; i < levelMenu.pages[group].size(); ++i)
            setBest(mission(levelMenu.pages[group][i]), where);
    }
    // -1 leaves the mission never won; 2 is just past its silver limit.
    static void setBest(Level& level, float where) {
        level.bestScore = where < 0.0f ? 0.0f
                          : where > 1.0f
                              ? level.silverLimit + 1.0f
                              : level.goldLimit + where * (level.silverLimit - level.goldLimit);
    }

    Widget intro;
    LevelMenu levelMenu;
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
