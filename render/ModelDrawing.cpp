#include "render/ModelDrawing.h"

#include <GL/gl.h>

#include <map>

#include "render/Mesh.h"
#include "render/Texture.h"
#include "sim/Body.h"
#include "sim/Rocket.h"

namespace {
const double pi = 3.141592653589793;
}  // namespace

const Mesh& meshFor(const std::string& fileName) {
    static std::map<std::string, Mesh> meshes;
    auto found = meshes.find(fileName);
    if (found != meshes.end()) return found->second;
    Mesh& mesh = meshes[fileName];
    mesh.load(fileName);
    return mesh;
}

void drawModel(const std::string& model, const std::string& texture, Vec2 position, double radius,
               double degrees) {
    glPushMatrix();
    glTranslatef(float(position.x), float(position.y), 0.0f);
    glScalef(float(radius), float(radius), float(radius));
    glRotatef(float(degrees), 0.0f, 0.0f, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    if (!texture.empty()) glBindTexture(GL_TEXTURE_2D, getTexture(texture)->glName);
    if (!model.empty()) meshFor(model).draw();
    glPopMatrix();
}

void drawBody(const Body& body) {
    drawModel(body.model, body.texture, body.position, body.radius, body.angle * 180.0 / pi);
}

void drawShip(const Rocket& ship) {
    glDisable(GL_CULL_FACE);
    // The model points along +y; the heading is measured from +x.
    drawModel(ship.model, ship.texture, ship.position, ship.radius, ship.angle * 180.0 / pi - 90.0);
}
