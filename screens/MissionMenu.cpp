#include "screens/MissionMenu.h"

#include <algorithm>

#include "app/ListMenu.h"
#include "render/FlatShapes.h"
#include "render/MenuFrame.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "missions/Records.h"
#include "render/Font.h"
#include "screens/MedalTargets.h"
#include "screens/MissionBriefingScreen.h"
#include "sim/World.h"

namespace {

const char* const backEntry = "<- Back -<<";
constexpr int rowHeight = 16;  // pixels of a row that the pointer selects

// A refused file: its name greyed, and beneath it, in small letters, why;
// moved left as far as a long message needs to stay in the window, and cut
// short if even that is not enough (standard output has it whole).
void drawRefused(const Ui& ui, const std::string& name, const std::string& problem, Vec2f at) {
    setColour(0.4f, 0.4f, 0.4f);
    drawText(*ui.font, name, at);
    const float room = float(ui.width) - 16.0f;
    std::string shown = problem;
    float width = textSize(*ui.smallFont, shown).x;
    if (width > room) {
        // The small font is fixed-width.
        shown = problem.substr(0, size_t(float(problem.size()) * room / width) - 3) + "...";
        width = textSize(*ui.smallFont, shown).x;
    }
    const float x = std::max(8.0f, std::min(at.x, float(ui.width) - 8.0f - width));
    setColour(0.8f, 0.45f, 0.45f);
    drawText(*ui.smallFont, shown, Vec2f(x, at.y - 13.0f));
}

}  // namespace

const char* const rankGroupTitles[MissionGroups::rankCount] = {
    "Cadet Missions", "Ensign Missions", "Lieutenant Missions", "Commander Missions"};
const char* const customGroupTitle = "Custom Missions";

MissionMenu::MissionMenu(Ui& ui, const MissionRegistry& missions, const MissionGroups& groups,
                         const Records& records, World& world, Widget& briefing)
    : Widget(ui), missions(missions), records(records), world(world), briefing(briefing) {
    entered = true;
    for (int rank = 0; rank < MissionGroups::rankCount; ++rank)
        addPage(rankGroupTitles[rank], groups.ranks[rank]);
    if (!groups.custom.empty() || !groups.refused.empty()) {
        std::vector<std::string>& entries = addPage(customGroupTitle, groups.custom);
        for (const RefusedMission& file : groups.refused) {
            entries.push_back(file.file);
            refused[file.file] = file.problem;
        }
    }
}

std::vector<std::string>& MissionMenu::addPage(const std::string& title,
                                                const std::vector<std::string>& titles) {
    pageOrder.push_back(title);
    std::vector<std::string>& entries = pages[title];
    entries.push_back(backEntry);
    entries.insert(entries.end(), titles.begin(), titles.end());
    return entries;
}

int MissionMenu::entryCount() const {
    auto page = pages.find(currentPage);
    return page == pages.end() ? 0 : int(page->second.size());
}

Vec2f MissionMenu::rowPosition(int i) const {
    int top = 16 * entryCount() - 40;
    return Vec2f(float(ui.width / 2 - 100), float(ui.height / 2 - 32 * i + top));
}

void MissionMenu::update() { menuUpdate(*this); }

void MissionMenu::draw() {
    beginMenuFrame(ui.window());
    int top = 16 * entryCount() - 40;
    setColour(1, 1, 1);
    float titleWidth = textSize(*ui.font, currentPage).x;
    drawText(*ui.font, currentPage,
             Vec2f(float(ui.width / 2) - titleWidth * 0.5f, float(ui.height / 2 + top + 40)));
    setColour(0.3f, 0.3f, 0.5f);
    drawText(*ui.font, "------------------------------*", rowPosition(selected));
    auto page = pages.find(currentPage);
    for (int i = 0; page != pages.end() && i < int(page->second.size()); ++i) {
        const std::string& entry = page->second[i];
        Vec2f at = rowPosition(i);
        auto problem = refused.find(entry);
        if (problem != refused.end()) {
            drawRefused(ui, entry, problem->second, at);
            continue;
        }
        setColour(0.7f, 0.7f, 0.7f);
        drawText(*ui.font, entry, at);
        auto mission = missions.find(entry);
        if (mission != missions.end()) {
            drawMedalIcons(*ui.textures, medalFor(records.best(mission->first), *mission->second), at);
        }
    }
    endMenuFrame(*ui.stars, ui.window());
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
        ui.popScreen();
        entered = true;
        return;
    }
    auto mission = missions.find(entry);
    if (mission == missions.end() || refused.count(entry)) return;
    world.mission = mission->second.get();
    world.clearProgramAndReset();
    ui.pushScreen(&briefing);
    entered = true;
}
