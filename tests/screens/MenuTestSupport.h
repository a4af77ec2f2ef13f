#pragma once

#include <SDL/SDL.h>

#include <string>

#include "app/Application.h"
#include "missions/Level.h"
#include "missions/Levels.h"

// The 21 missions, registered afresh with no scores. Tests that save
// ("save.dat" in the working folder) all run in this one test program.
inline void registerFreshLevels() {
    app.textures.headless = true;
    for (auto& entry : app.levels) delete entry.second;
    app.levels.clear();
    registerLevels(app.levels);
}

inline Level& mission(const std::string& name) { return *app.levels.at(name); }

inline SDL_Event keyPress(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    return event;
}

inline SDL_Event mousePress(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.x = Uint16(x);
    event.button.y = Uint16(y);
    return event;
}
