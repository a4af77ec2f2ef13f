#include "screens/MainMenu.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/Application.h"
#include "app/OptionsMenu.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "screens/MissionMenu.h"
#include "core/GameFolders.h"

namespace {

void drawIcon(const char* image, float x, float y) { drawImage(*getTexture(image), Vec2f(x, y)); }

// The rank group's missions: its mission menu page without "<- Back -<<".
const std::vector<std::string>* groupMissions(const std::string& label) {
    if (!app.missionMenu) return nullptr;
    auto page = app.missionMenu->pages.find(label);
    return page == app.missionMenu->pages.end() ? nullptr : &page->second;
}

// The lowest medal among the missions; a mission missing from the registry has none.
int lowestMedal(const std::vector<std::string>& page) {
    int medal = 4;
    for (size_t i = 1; i < page.size(); ++i) {
        auto mission = app.missions.find(page[i]);
        int m = mission == app.missions.end()
                    ? 0
                    : medalFor(app.records.best(mission->first), *mission->second);
        medal = std::min(medal, m);
    }
    return medal;
}

}  // namespace

MainMenu::MainMenu() {
    title = "Quorrin : Astrello";
    // The four rank groups, then "Custom Missions" when the player has any.
    for (const RankGroup& group : rankGroups()) items.push_back(group.title);
    items.insert(items.end(), {"Options", "Intro", "Quit"});
    entered = true;
}

void MainMenu::assessGroups() {
    medals.assign(items.size(), -1);
    locks.assign(items.size(), false);
    highestPassed = -1;
    for (int i = 0; i < int(items.size()); ++i) {
        const std::vector<std::string>* page = groupMissions(items[i]);
        if (!page) continue;
        medals[i] = lowestMedal(*page);
        // The player's own missions are always open and open nothing.
        if (items[i] == customGroupTitle) continue;
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
    beginMenuFrame();
    glColor3f(1, 1, 1);
    drawTitle();
    glColor3f(0.4f, 0.4f, 0.7f);
    drawMarker("------------------------------*");
    assessGroups();
    for (int i = 0; i < int(items.size()); ++i) {
        Vec2f at = itemPosition(i);
        float x = float(int(at.x));
        float y = float(int(at.y));
        int medal = groupMedal(i);
        glColor3f(1, 1, 1);
        if (locked(i)) {
            drawIcon("images/little_locked.png", x - 32, y - 4);
            glColor3f(0.7f, 0.4f, 0.4f);
        } else {
            if (medal >= 3) drawIcon("images/little_gold.png", x - 90, y - 4);
            if (medal >= 2) drawIcon("images/little_silver.png", x - 61, y - 4);
            if (medal >= 1) drawIcon("images/little_bronze.png", x - 32, y - 4);
            glColor3f(0.7f, 0.7f, 0.7f);
        }
        drawText(*app.font, items[i], at);
    }
    if (!app.folders.canSave || !app.saveProblem.empty()) {
        // Said where the player looks, not only on standard output.
        std::string notice = !app.saveProblem.empty() ? "Could not save: " + app.saveProblem
                             : app.folders.saveUnknown
                                 ? "Scores cannot be saved: there is no home folder."
                                 : "Scores cannot be saved: cannot write to " +
                                       shownFolder(app.folders.save);
        glColor3f(0.9f, 0.45f, 0.45f);
        float width = textSize(*app.smallFont, notice).x;
        drawText(*app.smallFont, notice, Vec2f(float(int((app.width - width) / 2)), 40.0f));
    }
    endMenuFrame();
}

void MainMenu::activate(int index) {
    const std::string& item = items[index];
    if (item == "Quit") {
        app.running = false;
    } else if (item == "Options") {
        pushScreen(app.optionsMenu);
        entered = true;
    } else if (item == "Intro") {
        popScreen();
        entered = true;
    } else if (groupMissions(item) && (index <= highestPassed + 1 || item == customGroupTitle)) {
        app.missionMenu->currentPage = item;
        pushScreen(app.missionMenu);
        entered = true;
    }
}
