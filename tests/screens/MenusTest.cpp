#include <gtest/gtest.h>

#include <vector>

#include "core/GameFolders.h"
#include "missions/ScoreFile.h"
#include "screens/MainMenu.h"
#include "screens/MissionMenu.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

const std::vector<std::string> ranks = {"Cadet Missions", "Ensign Missions", "Lieutenant Missions",
                                        "Commander Missions"};

// The main menu lists a page of player's missions only when there is one,
// and that page keeps files the game refused, greyed with why.
TEST(Menus, TheCustomPageIsListedOnlyWithCustomFilesAndAlwaysOpen) {
    struct Case {
        const char* name;
        std::vector<std::string> custom;
        std::vector<RefusedMission> refused;
        std::vector<std::string> customPage;  // empty: no page
    } cases[] = {
        {"no custom file: four rank groups", {}, {}, {}},
        {"a refused file alone still makes the page",
         {},
         {{"bad.toml", "ERROR: bad.toml:1: not a TOML file"}},
         {"<- Back -<<", "bad.toml"}},
        {"missions first, refused files after them",
         {"Supply Run"},
         {{"bad.toml", "ERROR: bad.toml:1: not a TOML file"}},
         {"<- Back -<<", "Supply Run", "bad.toml"}},
    };
    for (const Case& c : cases) {
        ScreenTestBed bed;
        bed.groups.custom = c.custom;
        bed.groups.refused = c.refused;
        Widget briefing{bed.ui}, options{bed.ui};
        MissionMenu missionMenu(bed.ui, bed.missions, bed.groups, bed.records, bed.world, briefing);
        GameFolders folders;
        ScoreFile scores;
        MainMenu mainMenu(bed.ui, bed.missions, bed.records, folders, scores, missionMenu, options);
        std::vector<std::string> items = ranks;
        if (!c.customPage.empty()) items.push_back("Custom Missions");
        items.insert(items.end(), {"Options", "Intro", "Quit"});
        EXPECT_EQ(mainMenu.items, items) << c.name;
        if (c.customPage.empty()) continue;
        EXPECT_EQ(missionMenu.pages.at("Custom Missions"), c.customPage) << c.name;
        EXPECT_EQ(missionMenu.refused.at("bad.toml"), c.refused[0].problem) << c.name;
        mainMenu.assessGroups();
        EXPECT_FALSE(mainMenu.locked(4)) << c.name;
        EXPECT_TRUE(mainMenu.locked(1)) << c.name;
    }
}

}  // namespace
