#include "render/DrawingSetup.h"

#include <GL/gl.h>

#include <cstdio>

#include "render/Mesh.h"

void setUpDrawing() {
    const GLubyte* version = glGetString(GL_VERSION);
    std::printf("Opengl %s\n", version ? reinterpret_cast<const char*>(version) : "(unknown)");
    initMeshRendering();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
