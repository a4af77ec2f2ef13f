#include "sim/Body.h"

#include <GL/gl.h>

#include "render/Mesh.h"
#include "render/Texture.h"

namespace {
const double pi = 3.141592653589793;
}

Body::~Body() { delete mesh; }

void Body::load(const std::string& meshFile, const std::string& textureFile) {
    delete mesh;
    mesh = new Mesh;
    mesh->load(meshFile);
    texture = getTexture(textureFile);
}

void Body::draw() const {
    glPushMatrix();
    glTranslatef(float(position.x), float(position.y), 0.0f);
    glScalef(float(radius), float(radius), float(radius));
    glRotatef(float(angle * 180.0 / pi), 0.0f, 0.0f, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    if (texture) glBindTexture(GL_TEXTURE_2D, texture->glName);
    if (mesh) mesh->draw();
    glPopMatrix();
}
