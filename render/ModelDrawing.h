#pragma once

#include <map>
#include <string>

#include "render/Mesh.h"
#include "sim/Vec2.h"

struct Body;
class Rocket;
class TextureCache;

// Draws the world's bodies and ship from their data files: the images from
// `textures`, the meshes read where it finds images, on first use, and kept
// while this lives (a file that cannot be read gives an empty mesh).
class ModelDrawer {
public:
    explicit ModelDrawer(TextureCache& textures) : textures(textures) {}

    // With the transformation saved: `model` textured with `texture` (either
    // may be empty), placed at `position`, scaled by `radius`, turned by
    // `degrees` about z, in white. Texturing stays on.
    void drawModel(const std::string& model, const std::string& texture, Vec2 position,
                   double radius, double degrees);
    // A planet, moon or star at its place, size and turn.
    void drawBody(const Body& body);
    // The ship at its place and heading.
    void drawShip(const Rocket& ship);

private:
    const Mesh& mesh(const std::string& fileName);

    TextureCache& textures;
    std::map<std::string, Mesh> meshes;  // by file name
};

// Where the ship is drawn smaller than a glance can read, an arrow of a
// readable size over it along its heading; `pixel` is one view pixel in
// world units. Texturing stays on.
void drawHeadingMarker(const Rocket& ship, double pixel);
