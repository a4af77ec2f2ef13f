#pragma once

#include <string>

#include "app/Application.h"
#include "platform/InputEvent.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "tests/support/ScratchDirectory.h"

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
    textureCache().headless = true;
    static Font large("images/font.png", -5, 2);
    static Font small("images/font_small.png", -9, -5);
    large.glyphWidth = large.glyphHeight = 32.0f;
    small.glyphWidth = small.glyphHeight = 16.0f;
    app.font = &large;
    app.smallFont = &small;
}

inline InputEvent keyPress(Key key) { return InputEvent::keyPress(key); }

// A left press at window pixels (x, y), y up.
inline InputEvent mousePress(int x, int y) { return InputEvent::mousePress(x, y); }
