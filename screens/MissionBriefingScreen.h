#pragma once

#include <string>
#include <vector>

#include "app/Widget.h"

class GameScreen;
class Records;
struct World;

// Shows the chosen mission's title, briefing and medal panel with the
// choices "Accept" (play it, starting from the best program so far) and
// "Reject" (back to the mission menu).
class MissionBriefingScreen : public Widget {
public:
    MissionBriefingScreen(Ui& ui, World& world, const Records& records, GameScreen& game);

    int selected = 0;                  // index into `choices`
    std::vector<std::string> choices;  // "Accept", "Reject"

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;

    void activate();

private:
    World& world;
    const Records& records;
    GameScreen& game;
};
