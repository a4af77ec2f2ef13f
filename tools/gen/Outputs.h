#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/gen/Image.h"
#include "tools/gen/Model.h"

// Every data file the game reads, and the desktop icons, by their paths under
// the game's folder.
struct ImageOutput {
    std::string path;
    std::function<Image()> make;
};
struct ModelOutput {
    std::string path;
    std::function<Model()> make;
};

const std::vector<ImageOutput>& imageOutputs();
const std::vector<ModelOutput>& modelOutputs();

// The sphere of the planet and moon models.
Model planetSphere();

// The two font sheets' settings, for the sample renderer.
struct FontStyle;
const FontStyle& largeFont();
const FontStyle& smallFont();
