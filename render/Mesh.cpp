#include "render/Mesh.h"

#include <GL/gl.h>

#include <cstdio>

namespace {

bool readFile(const std::string& fileName, std::string& contents) {
    FILE* file = fopen(fileName.c_str(), "rb");
    if (!file) return false;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, n);
    fclose(file);
    return true;
}

}  // namespace

void Mesh::load(const std::string& path) {
    std::string text;
    if (!readFile(path, text)) {
        printf("failed to load %s\n", path.c_str());
        return;
    }
    parse(text);
}

namespace {

const float defaultNormal[3] = {0.0f, 0.0f, 1.0f};
const float defaultTexCoord[2] = {0.0f, 0.0f};

template <class List>
bool inRange(const List& list, int index) {
    return index >= 0 && size_t(index) < list.size();
}

// The attribute at `index`, or `fallback` for an index outside the list.
template <class List>
const float* attribute(const List& list, int index, const float* fallback) {
    return inRange(list, index) ? list[size_t(index)].data() : fallback;
}

}  // namespace

void Mesh::draw() const {
    const bool withNormals = !normals.empty() && !texCoords.empty();
    const bool withTexCoords = !texCoords.empty();
    glBegin(GL_TRIANGLES);
    for (const Triangle& t : faces) {
        // A corner without a position cannot be drawn; dropping the whole
        // triangle keeps the following ones aligned.
        if (!inRange(positions, t.position[0]) || !inRange(positions, t.position[1]) ||
            !inRange(positions, t.position[2]))
            continue;
        for (int k = 0; k < 3; ++k) {
            if (withNormals) glNormal3fv(attribute(normals, t.normal[k], defaultNormal));
            if (withTexCoords) glTexCoord2fv(attribute(texCoords, t.texCoord[k], defaultTexCoord));
            glVertex3fv(positions[size_t(t.position[k])].data());
        }
    }
    glEnd();
}

void initMeshRendering() {
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}
