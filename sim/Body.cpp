#include "sim/Body.h"

#include "render/Mesh.h"
#include "sim/Model.h"

namespace {
const double pi = 3.141592653589793;
}

Body::~Body() { delete mesh; }

void Body::load(const std::string& meshFile, const std::string& textureFile) {
    loadModel(mesh, texture, meshFile, textureFile);
}

void Body::draw() const { drawModel(mesh, texture, position, radius, angle * 180.0 / pi); }
