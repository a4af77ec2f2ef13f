#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/Widget.h"
#include "missions/Missions.h"

class Records;
struct World;

// The pages' titles: the ranks' groups, first to last, and the player's own.
extern const char* const rankGroupTitles[MissionGroups::rankCount];
extern const char* const customGroupTitle;  // "Custom Missions"

// Picks a mission of one rank group: a page per group with "<- Back -<<"
// first and the group's missions below it, each with its medal icons, then
// any custom mission file the game refused, greyed with why.
class MissionMenu : public Widget {
public:
    // A page for each rank of `groups`, then "Custom Missions" if it lists
    // any custom file, loaded or refused. `briefing` is shown for the mission
    // chosen.
    MissionMenu(Ui& ui, const MissionRegistry& missions, const MissionGroups& groups,
                const Records& records, World& world, Widget& briefing);

    std::string currentPage = "Cadet Missions";  // key into `pages`; set by the main menu
    int selected = 0;                            // highlighted entry; kept across pages
    std::map<std::string, std::vector<std::string>> pages;  // group title -> entries
    std::vector<std::string> pageOrder;                     // the titles, as the main menu lists them
    // Entries that are a player's mission file the game refused, greyed
    // with the first message about it: entry -> message.
    std::map<std::string, std::string> refused;

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;

    // Goes back, or makes the highlighted mission current and shows its briefing.
    void activate();
    // Window pixels of entry i's text on the current page.
    Vec2f rowPosition(int i) const;
    int entryCount() const;

private:
    // A page of "<- Back -<<" and `titles`, listed last.
    std::vector<std::string>& addPage(const std::string& title,
                                      const std::vector<std::string>& titles);

    const MissionRegistry& missions;
    const Records& records;
    World& world;
    Widget& briefing;
};
