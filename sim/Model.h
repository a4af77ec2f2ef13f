#pragma once

#include <string>

#include "sim/Vec2.h"

class Mesh;
class MeshCache;
struct Texture;

// What bodies and the ship share: a textured mesh, read from a model file
// and drawn at their place and size.

// Replaces `mesh` (owned by the caller) by a fresh read of `meshFile`, or
// by a copy from `meshes` if given and the file is unchanged, and takes
// `textureFile` from the texture cache.
void loadModel(Mesh*& mesh, Texture*& texture, const std::string& meshFile,
               const std::string& textureFile, MeshCache* meshes = nullptr);

// With the transformation saved: placed at `position`, scaled by `radius`,
// turned by `degrees` about z, white and textured. Texturing stays on.
void drawModel(const Mesh* mesh, const Texture* texture, Vec2 position, double radius,
               double degrees);
