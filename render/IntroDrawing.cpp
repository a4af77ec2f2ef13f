#include "render/IntroDrawing.h"

#include <GL/gl.h>

#include "render/Mesh.h"
#include "render/Particles.h"
#include "render/Texture.h"

void beginIntroFrame(WindowSize window) {
    glViewport(0, 0, window.width, window.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, window.width / 10.0, 0, window.height / 10.0, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void drawIntroShip(const Mesh& ship, const Texture& texture, float x, float y) {
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glRotatef(90, 0, 0, 1);
    glScalef(20, 20, 20);
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, texture.glName);
    ship.draw();
    glPopMatrix();
}

void drawExhaustAt(const Exhaust& exhaust, WindowSize window, float x) {
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(x, 0, 0);
    exhaust.draw(window);
    glPopMatrix();
    glEnable(GL_TEXTURE_2D);
}
