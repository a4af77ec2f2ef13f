#pragma once

#include <string>

#include "app/Application.h"
#include "missions/Level.h"
#include "missions/Levels.h"

// The registered missions, as the runner's commands find them, set up
// without reading models or images: the simulation needs neither.
inline LevelRegistry& missions() {
    app.textures.headless = true;
    if (app.levels.empty()) registerLevels(app.levels);
    return app.levels;
}

inline Level& mission(const std::string& name) { return *missions().at(name); }
