#include "screens/BoardWidget.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "app/Application.h"
#include "missions/Level.h"
#include "render/Texture.h"
#include "sim/Body.h"
#include "sim/Rocket.h"

void BoardWidget::update() { restartTimer(); }

void BoardWidget::draw() {
    if (hidden) return;
    float w = max.x - min.x;
    float h = max.y - min.y;
    glViewport(int(min.x), int(min.y), int(w), int(h));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    drawBackdrop(w, h);
    drawScene(w, h);

    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glBegin(GL_LINE_LOOP);
    glVertex2f(1, 1);
    glVertex2f(w - 2, 1);
    glVertex2f(w - 2, h - 2);
    glVertex2f(1, h - 2);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glViewport(0, 0, app.width, app.height);
}

// One texel per pixel from the view's lower-left corner; the texture repeats.
void BoardWidget::drawBackdrop(float w, float h) const {
    const Texture* backdrop = getTexture("images/space1.png");
    if (backdrop->width == 0 || backdrop->height == 0) return;  // failed to load
    float s = w / float(backdrop->width);
    float t = h / float(backdrop->height);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, backdrop->glName);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(s, 0);
    glVertex2f(w, 0);
    glTexCoord2f(s, t);
    glVertex2f(w, h);
    glTexCoord2f(0, t);
    glVertex2f(0, h);
    glEnd();
}

// One world unit is s pixels and the camera centre lies at the middle.
void BoardWidget::drawScene(float w, float h) const {
    World& world = app.world;
    double s = double(std::min(w, h)) * world.viewScale;
    if (!(s > 0.0) || !std::isfinite(s)) return;  // no camera yet
    glPushMatrix();
    glScaled(s, s, s);
    glTranslated(w / 2 / s - world.viewCenter.x, h / 2 / s - world.viewCenter.y, 0);
    if (world.level) world.level->drawGoals(world);
    for (const Body* body : world.bodies) body->draw();
    if (world.rocket) world.rocket->draw();
    glPopMatrix();
}
