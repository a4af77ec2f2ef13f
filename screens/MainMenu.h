#pragma once

#include <vector>

#include "app/ListMenu.h"
#include "missions/Missions.h"

class MissionMenu;
class Records;
class ScoreFile;
struct GameFolders;

// The title menu: the four rank groups with their group medals and locks,
// "Custom Missions" when the player has any, then "Options", "Intro" and
// "Quit". A rank group opens once every mission of the group before it (or
// of itself) has silver or better; the custom group is always open.
class MainMenu : public ListMenu {
public:
    // The rank groups are the pages of `missionMenu`; "Options" shows `optionsMenu`.
    // A save that failed is said beneath the items, as `scores` last reported it.
    MainMenu(Ui& ui, const MissionRegistry& missions, const Records& records,
             const GameFolders& folders, const ScoreFile& scores, MissionMenu& missionMenu,
             Widget& optionsMenu);

    // Highest item index of a rank group whose missions all have silver or
    // gold, as found by the last draw() (or assessGroups()); -1 for none.
    int highestPassed = -1;

    void draw() override;
    void activate(int index) override;

    // Recomputes each item's group medal and `highestPassed` from the best scores.
    void assessGroups();
    // The group medal of item `index` after assessGroups(): the lowest medal
    // among its missions (4 for a group without missions); -1 for other items.
    int groupMedal(int index) const;
    // Whether item `index` is a rank group that cannot be opened yet.
    bool locked(int index) const;

private:
    // The rank group's missions: its mission menu page without "<- Back -<<".
    const std::vector<std::string>* groupMissions(const std::string& label) const;

    const MissionRegistry& missions;
    const Records& records;
    const GameFolders& folders;
    const ScoreFile& scores;
    MissionMenu& missionMenu;
    Widget& optionsMenu;
    std::vector<int> medals;  // per item, from assessGroups()
    std::vector<bool> locks;  // per item, from assessGroups()
};
