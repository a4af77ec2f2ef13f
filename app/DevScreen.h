#pragma once

#include "app/Button.h"
#include "app/Widget.h"

// A plain start screen used until the intro and the menus exist: buttons over
// the star field that lead to the options screen and out of the program.
class DevScreen : public Widget {
public:
    DevScreen();

    Button optionsButton{this};
    Button quitButton{this};

    void update() override;
    void draw() override;
    bool handleEvent(const SDL_Event& event) override;
};
