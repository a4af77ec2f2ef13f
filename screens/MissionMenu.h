#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/Widget.h"
#include "missions/Missions.h"

class Records;
struct World;

// Picks a mission of one rank group: a page per group with "<- Back -<<"
// first and the group's missions below it, each with its medal icons, then
// any custom mission file the game refused, greyed with why.
class MissionMenu : public Widget {
public:
    // `briefing` is shown for the mission chosen.
    MissionMenu(Ui& ui, const MissionRegistry& missions, const Records& records, World& world,
                Widget& briefing);

    std::string currentPage = "Cadet Missions";  // key into `pages`; set by the main menu
    int selected = 0;                            // highlighted entry; kept across pages
    std::map<std::string, std::vector<std::string>> pages;  // group title -> entries
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
    const MissionRegistry& missions;
    const Records& records;
    World& world;
    Widget& briefing;
};
