#include "sim/Model.h"

#include <GL/gl.h>

#include "render/Mesh.h"
#include "render/Texture.h"
#include "sim/MeshCache.h"

void loadModel(Mesh*& mesh, Texture*& texture, const std::string& meshFile,
               const std::string& textureFile, MeshCache* meshes) {
    delete mesh;
    mesh = nullptr;
    if (meshes) {
        mesh = meshes->load(meshFile);
    } else {
        mesh = new Mesh;
        mesh->load(meshFile);
    }
    texture = getTexture(textureFile);
}

void drawModel(const Mesh* mesh, const Texture* texture, Vec2 position, double radius,
               double degrees) {
    glPushMatrix();
    glTranslatef(float(position.x), float(position.y), 0.0f);
    glScalef(float(radius), float(radius), float(radius));
    glRotatef(float(degrees), 0.0f, 0.0f, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    if (texture) glBindTexture(GL_TEXTURE_2D, texture->glName);
    if (mesh) mesh->draw();
    glPopMatrix();
}
