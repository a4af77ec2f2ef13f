#include "render/WindowProjection.h"

#include <GL/gl.h>

void projectOntoWindow(int32_t width, int32_t height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void beginWindowFrame(WindowSize window) {
    projectOntoWindow(window.width, window.height);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
}

RegionProjection::RegionProjection(WindowSize window_, Vec2f corner, float width, float height,
                                   double depth)
    : window(window_) {
    glViewport(int(corner.x), int(corner.y), int(width), int(height));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -depth, depth);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

RegionProjection::~RegionProjection() { projectOntoWindow(window.width, window.height); }

MovedOrigin::MovedOrigin(float x, float y) {
    glPushMatrix();
    glTranslatef(x, y, 0);
}

MovedOrigin::~MovedOrigin() { glPopMatrix(); }

void MovedOrigin::move(float x, float y) { glTranslatef(x, y, 0); }
