#include "screens/MainMenu.h"

#include <algorithm>

#include "missions/Mission.h"
#include "missions/Missions.h"
#include "missions/Records.h"
#include "missions/ScoreFile.h"
#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/MenuFrame.h"
#include "render/Texture.h"
#include "screens/MedalTargets.h"
#include "screens/MissionMenu.h"
#include "core/GameFolders.h"

namespace {

// The lowest medal among the missions; a mission missing from the registry
// has none. Files the game refused (`refused`) are no missions.
int lowestMedal(const MissionRegistry& missions, const Records& records,
                const std::vector<std::string>& page,
                const std::map<std::string, std::string>& refused) {
    int medal = 4;
    for (size_t i = 1; i < page.size(); ++i) {
        if (refused.count(page[i])) continue;
        auto mission = missions.find(page[i]);
        int m = mission == missions.end()
                    ? 0
                    : medalFor(records.best(mission->first), *mission->second);
        medal = std::min(medal, m);
    }
    return medal;
}

}  // namespace

MainMenu::MainMenu(Ui& ui, const MissionRegistry& missions, const Records& records,
                   const GameFolders& folders, const ScoreFile& scores, MissionMenu& missionMenu,
                   Widget& optionsMenu)
    : ListMenu(ui),
      missions(missions),
      records(records),
      folders(folders),
      scores(scores),
      missionMenu(missionMenu),
      optionsMenu(optionsMenu) {
    title = "Quorrin : Astrello";
    // The four rank groups, then "Custom Missions" when the player has any.
    items = missionMenu.pageOrder;
    items.insert(items.end(), {"Options", "Intro", "Quit"});
    entered = true;
}

const std::vector<std::string>* MainMenu::groupMissions(const std::string& label) const {
    auto page = missionMenu.pages.find(label);
    return page == missionMenu.pages.end() ? nullptr : &page->second;
}

void MainMenu::assessGroups() {
    medals.assign(items.size(), -1);
    locks.assign(items.size(), false);
    highestPassed = -1;
    for (int i = 0; i < int(items.size()); ++i) {
        const std::vector<std::string>* page = groupMissions(items[i]);
        if (!page) continue;
        medals[i] = lowestMedal(missions, records, *page, missionMenu.refused);
        // The player's own missions are always open and open nothing; all
        // refused, they have earned nothing.
        if (items[i] == customGroupTitle) {
            if (medals[i] == 4) medals[i] = 0;
            continue;
        }
        if (medals[i] >= 2) highestPassed = i;
        locks[i] = i > highestPassed + 1;
    }
}

int MainMenu::groupMedal(int index) const {
    return index >= 0 && index < int(medals.size()) ? medals[index] : -1;
}

bool MainMenu::locked(int index) const {
    return index >= 0 && index < int(locks.size()) && locks[index];
}

void MainMenu::draw() {
    beginMenuFrame(ui.window());
    setColour(1, 1, 1);
    drawTitle();
    setColour(0.4f, 0.4f, 0.7f);
    drawMarker("------------------------------*");
    assessGroups();
    for (int i = 0; i < int(items.size()); ++i) {
        Vec2f at = itemPosition(i);
        float x = float(int(at.x));
        float y = float(int(at.y));
        int medal = groupMedal(i);
        setColour(1, 1, 1);
        if (locked(i)) {
            drawImage(*ui.textures->get("images/little_locked.png"), Vec2f(x - 32, y - 4));
            setColour(0.7f, 0.4f, 0.4f);
        } else {
            drawMedalIcons(*ui.textures, medal, Vec2f(x, y));
            setColour(0.7f, 0.7f, 0.7f);
        }
        drawText(*ui.font, items[i], at);
    }
    if (!folders.canSave || !scores.problem().empty()) {
        // Said where the player looks, not only on standard output.
        std::string notice = !scores.problem().empty() ? "Could not save: " + scores.problem()
                             : folders.saveUnknown
                                 ? "Scores cannot be saved: there is no home folder."
                                 : "Scores cannot be saved: cannot write to " +
                                       shownFolder(folders.save);
        setColour(0.9f, 0.45f, 0.45f);
        float width = textSize(*ui.smallFont, notice).x;
        drawText(*ui.smallFont, notice, Vec2f(float(int((ui.width - width) / 2)), 40.0f));
    }
    endMenuFrame(*ui.stars, ui.window());
}

void MainMenu::activate(int index) {
    const std::string& item = items[index];
    if (item == "Quit") {
        ui.running = false;
    } else if (item == "Options") {
        ui.pushScreen(&optionsMenu);
        entered = true;
    } else if (item == "Intro") {
        ui.popScreen();
        entered = true;
    } else if (groupMissions(item) && (index <= highestPassed + 1 || item == customGroupTitle)) {
        missionMenu.currentPage = item;
        ui.pushScreen(&missionMenu);
        entered = true;
    }
}
