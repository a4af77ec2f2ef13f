#pragma once

#include <string>

#include "sim/Vec2.h"

class Mesh;
struct Body;
class Rocket;
class TextureCache;

// The mesh of the data file `fileName`, found where `textures` finds images,
// read on first use and kept until the process ends (a file that
// cannot be read gives an empty mesh).
const Mesh& meshFor(const TextureCache& textures, const std::string& fileName);

// With the transformation saved: `model` textured with `texture` (either may
// be empty), placed at `position`, scaled by `radius`, turned by `degrees`
// about z, in white. Texturing stays on.
void drawModel(TextureCache& textures, const std::string& model, const std::string& texture,
               Vec2 position, double radius, double degrees);

// A planet, moon or star at its place, size and turn.
void drawBody(TextureCache& textures, const Body& body);
// The ship at its place and heading.
void drawShip(TextureCache& textures, const Rocket& ship);
// Where the ship is drawn smaller than a glance can read, an arrow of a
// readable size over it along its heading; `pixel` is one view pixel in
// world units. Texturing stays on.
void drawHeadingMarker(const Rocket& ship, double pixel);
