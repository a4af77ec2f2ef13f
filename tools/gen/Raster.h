#pragma once

#include "tools/gen/Image.h"
#include "tools/gen/Model.h"

// Where a model lands in a picture: model point (x, y) is turned by `angle`
// (radians, counter-clockwise), scaled by `scale` pixels per unit and placed
// at pixel (cx, cy) (y down).
struct Placement {
    double cx, cy, scale, angle;
};

// Draws the model as the game does: orthographic view along -z, nearest
// surface wins, texture without lighting. Transparent where nothing is drawn.
Image renderModel(const Model& model, const Image& texture, int width, int height,
                  Placement placement);
