#pragma once

#include <SDL/SDL.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "app/Application.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "render/Font.h"

// A fresh working directory for one test, with the game's data folders
// linked in, so that files written there ("save.dat") never collide with
// other tests running at the same time.
class ScratchDirectory {
public:
    ScratchDirectory() : previous(std::filesystem::current_path()) {
        std::string pattern = (previous / "scratch-XXXXXX").string();
        path = mkdtemp(&pattern[0]);
        for (const char* data : {"images", "models", "campaign"}) {
            if (std::filesystem::exists(previous / data)) {
                std::filesystem::create_directory_symlink(
                    std::filesystem::canonical(previous / data), path / data);
            }
        }
        std::filesystem::current_path(path);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(path);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::filesystem::path previous;
    std::filesystem::path path;
};

// The 21 missions, registered afresh with no scores.
inline void registerFreshMissions() {
    for (auto& entry : app.missions) delete entry.second;
    app.missions.clear();
    registerMissions(app.missions);
}

inline Mission& mission(const std::string& name) { return *app.missions.at(name); }

// Fonts with the real cell sizes but no texture, for layout and hit tests
// that run without a display.
inline void useHeadlessFonts() {
    app.textures.headless = true;
    static Font large("images/font.png", -5, 2);
    static Font small("images/font_small.png", -9, -5);
    large.glyphWidth = large.glyphHeight = 32.0f;
    small.glyphWidth = small.glyphHeight = 16.0f;
    app.font = &large;
    app.smallFont = &small;
}

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

inline SDL_Event mouseMotion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = Uint16(x);
    event.motion.y = Uint16(y);
    return event;
}
