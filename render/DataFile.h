#pragma once

#include <string>

// Where the renderer reads its images and models: the game's data folder,
// set once at start ("" is the working directory).
void setDataFolder(const std::string& folder);
// The path of the data file `name` (e.g. "images/font.png").
std::string dataFile(const std::string& name);
