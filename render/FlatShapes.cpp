#include "render/FlatShapes.h"

#include <GL/gl.h>

void setColour(float r, float g, float b, float alpha) { glColor4f(r, g, b, alpha); }

void fillRect(float x0, float y0, float x1, float y1) {
    glDisable(GL_TEXTURE_2D);
    glRectf(x0, y0, x1, y1);
    glEnable(GL_TEXTURE_2D);
}

void outlineRect(float x0, float y0, float x1, float y1, float width) {
    glDisable(GL_TEXTURE_2D);
    if (width != 1.0f) glLineWidth(width);
    glBegin(GL_LINE_LOOP);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
    if (width != 1.0f) glLineWidth(1.0f);
    glEnable(GL_TEXTURE_2D);
}

void drawLine(float x0, float y0, float x1, float y1) {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_LINES);
    glVertex2f(x0, y0);
    glVertex2f(x1, y1);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

void fillTriangle(Vec2f a, Vec2f b, Vec2f c) {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_TRIANGLES);
    glVertex2f(a.x, a.y);
    glVertex2f(b.x, b.y);
    glVertex2f(c.x, c.y);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

DepthTestOff::DepthTestOff() { glDisable(GL_DEPTH_TEST); }

DepthTestOff::~DepthTestOff() { glEnable(GL_DEPTH_TEST); }
