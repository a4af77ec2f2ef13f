#include "render/ModelDrawing.h"

#include <GL/gl.h>

#include <cmath>

#include "render/Texture.h"
#include "sim/Body.h"
#include "sim/Rocket.h"

namespace {
const double pi = 3.141592653589793;
}  // namespace

const Mesh& ModelDrawer::mesh(const std::string& fileName) {
    auto found = meshes.find(fileName);
    if (found != meshes.end()) return found->second;
    Mesh& mesh = meshes[fileName];
    mesh.load(textures.path(fileName));
    return mesh;
}

void ModelDrawer::drawModel(const std::string& model, const std::string& texture, Vec2 position,
                            double radius, double degrees) {
    glPushMatrix();
    glTranslatef(float(position.x), float(position.y), 0.0f);
    glScalef(float(radius), float(radius), float(radius));
    glRotatef(float(degrees), 0.0f, 0.0f, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    if (!texture.empty()) glBindTexture(GL_TEXTURE_2D, textures.get(texture)->glName);
    if (!model.empty()) mesh(model).draw();
    glPopMatrix();
}

void ModelDrawer::drawBody(const Body& body) {
    drawModel(body.model, body.texture, body.position, body.radius, body.angle * 180.0 / pi);
}

void ModelDrawer::drawShip(const Rocket& ship) {
    glDisable(GL_CULL_FACE);
    // The model points along +y; the heading is measured from +x.
    drawModel(ship.model, ship.texture, ship.position, ship.radius, ship.angle * 180.0 / pi - 90.0);
}

void drawHeadingMarker(const Rocket& ship, double pixel) {
    const double readable = 12.0;  // pixels of ship radius that show its heading
    const double length = 11.0;    // pixels from the ship's centre to the arrow's tip
    if (!(pixel > 0.0) || ship.radius / pixel >= readable) return;
    const Vec2 forward(std::cos(ship.angle), std::sin(ship.angle));
    const Vec2 side(-forward.y, forward.x);
    const Vec2 tip = ship.position + forward * (length * pixel);
    const Vec2 back = ship.position - forward * (0.6 * length * pixel);
    const Vec2 notch = ship.position - forward * (0.2 * length * pixel);
    const Vec2 wing = side * (0.6 * length * pixel);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 0.95f);
    glLineWidth(2.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2d(tip.x, tip.y);
    glVertex2d(back.x + wing.x, back.y + wing.y);
    glVertex2d(notch.x, notch.y);
    glVertex2d(back.x - wing.x, back.y - wing.y);
    glEnd();
    glLineWidth(1.0f);
    glEnable(GL_TEXTURE_2D);
}
