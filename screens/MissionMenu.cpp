#include "screens/MissionMenu.h"

#include <GL/gl.h>

#include "app/Application.h"
#include "app/ListMenu.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "screens/MissionBriefingScreen.h"

namespace {

const char* const backEntry = "<- Back -<<";
constexpr int rowHeight = 16;  // pixels of a row that the pointer selects

void drawMedalIcons(int medal, Vec2f at) {
    glColor3f(1, 1, 1);
    if (medal >= 3) drawImage(*getTexture("images/little_gold.png"), Vec2f(at.x - 90, at.y - 4));
    if (medal >= 2) {
        drawImage(*getTexture("images/little_silver.png"), Vec2f(at.x - 61, at.y - 4));
    }
    if (medal >= 1) {
        drawImage(*getTexture("images/little_bronze.png"), Vec2f(at.x - 32, at.y - 4));
    }
}

}  // namespace

MissionMenu::MissionMenu() {
    entered = true;
    for (const RankGroup& group : rankGroups()) {
        std::vector<std::string>& entries = pages[group.title];
        entries.push_back(backEntry);
        entries.insert(entries.end(), group.missions.begin(), group.missions.end());
    }
}

int MissionMenu::entryCount() const {
    auto page = pages.find(currentPage);
    return page == pages.end() ? 0 : int(page->second.size());
}

Vec2f MissionMenu::rowPosition(int i) const {
    int top = 16 * entryCount() - 40;
    return Vec2f(float(app.width / 2 - 100), float(app.height / 2 - 32 * i + top));
}

void MissionMenu::update() { menuUpdate(*this); }

void MissionMenu::draw() {
    beginMenuFrame();
    int top = 16 * entryCount() - 40;
    glColor3f(1, 1, 1);
    float titleWidth = textSize(*app.font, currentPage).x;
    drawText(*app.font, currentPage,
             Vec2f(float(app.width / 2) - titleWidth * 0.5f, float(app.height / 2 + top + 40)));
    glColor3f(0.3f, 0.3f, 0.5f);
    drawText(*app.font, "------------------------------*", rowPosition(selected));
    auto page = pages.find(currentPage);
    for (int i = 0; page != pages.end() && i < int(page->second.size()); ++i) {
        const std::string& entry = page->second[i];
        Vec2f at = rowPosition(i);
        glColor3f(0.7f, 0.7f, 0.7f);
        drawText(*app.font, entry, at);
        auto mission = app.missions.find(entry);
        if (mission != app.missions.end()) {
            drawMedalIcons(medalFor(app.records.best(mission->first), *mission->second), at);
        }
    }
    endMenuFrame();
}

bool MissionMenu::handleEvent(const InputEvent& event) {
    int last = entryCount() - 1;
    switch (event.kind) {
        case InputEvent::MouseMove: {
            float py = float(event.y);
            for (int i = 0; i <= last; ++i) {
                float y = rowPosition(i).y;
                if (y <= py && py <= y + rowHeight) selected = i;
            }
            return true;
        }
        case InputEvent::MousePress:
            activate();
            return true;
        case InputEvent::KeyPress:
            if (menuKeyActivates(event.key, selected, last, 0)) activate();
            return true;
        default:
            return false;
    }
}

void MissionMenu::activate() {
    auto page = pages.find(currentPage);
    if (page == pages.end() || selected < 0 || selected >= int(page->second.size())) return;
    const std::string& entry = page->second[selected];
    if (entry == backEntry) {
        popScreen();
        entered = true;
        return;
    }
    auto mission = app.missions.find(entry);
    if (mission == app.missions.end()) return;
    app.world.mission = mission->second;
    app.world.clearProgramAndReset();
    pushScreen(app.briefingScreen);
    entered = true;
}
