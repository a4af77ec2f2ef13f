#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The data files the game reads at run time, checked without a window: a
// missing or damaged image or model is found before a player meets it.
struct Asset {
    enum Kind { Image, FontSheet, Model };
    Kind kind;
    std::string path;  // relative to the game's data directory
};

// Every image, font sheet and model the game uses.
const std::vector<Asset>& gameAssets();

// What is wrong with `asset` as found in `dataFolder` ("" is the working
// directory), or "".
// Images must decode; font sheets must also split into 16 x 16 equal cells;
// models must hold triangles whose indices all lie inside their lists.
std::string assetProblem(const Asset& asset, const std::string& dataFolder);

// One line per asset on `out`; returns how many have a problem.
int checkAssets(const std::vector<Asset>& assets, const std::string& dataFolder, std::ostream& out);

// astrello [--data-dir DIR] --check-assets: checks gameAssets() in the
// game's data folder; exit code 0 when all are sound, 1 otherwise.
int checkAssetsCommand(const std::string& dataFolder, std::ostream& out);
