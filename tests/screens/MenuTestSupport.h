#pragma once

#include <random>
#include <string>

#include "app/Options.h"
#include "app/Ui.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "missions/Records.h"
#include "platform/InputEvent.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "sim/World.h"
#include "tests/support/ScratchDirectory.h"

// What the screens are handed, made afresh for each test: a 1280 x 720
// window's state with fonts of the real cell sizes but no texture (for
// layout and hit tests without a display), the 21 missions with no scores,
// a world, a generator and the options.
struct ScreenTestBed {
    ScreenTestBed() {
        large.glyphWidth = large.glyphHeight = 32.0f;
        small.glyphWidth = small.glyphHeight = 16.0f;
        ui.font = &large;
        ui.smallFont = &small;
        ui.stars = &stars;
        ui.textures = &textures;
        loadCampaign(std::string(ASTRELLO_SOURCE_DIR) + "/campaign", missions, groups, std::cout);
    }
    Mission& mission(const std::string& name) { return *missions.at(name); }

    TextureCache textures{"", true};  // records the images it is asked for, reads none
    Font large{textures, "images/font.png", -5, 2};
    Font small{textures, "images/font_small.png", -9, -5};
    std::mt19937 random;
    StarField stars{0, random};
    Ui ui;
    MissionRegistry missions;
    MissionGroups groups;
    Records records;
    World world;
    StoredOptions options{"options.dat", Settings()};
};

inline InputEvent keyPress(Key key) { return InputEvent::keyPress(key); }

// A left press at window pixels (x, y), y up.
inline InputEvent mousePress(int x, int y) { return InputEvent::mousePress(x, y); }
