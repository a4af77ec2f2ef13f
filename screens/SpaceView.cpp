#include "screens/SpaceView.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "missions/Mission.h"
#include "render/GoalDrawing.h"
#include "render/ModelDrawing.h"
#include "render/PathDrawing.h"
#include "render/Texture.h"
#include "screens/FlightPaths.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

// Pushes the camera onto the matrix stack, if there is one yet: one world unit
// is s pixels and the camera centre lies at the middle.
bool SpaceView::applyCamera(float w, float h) const {
    double s = double(std::min(w, h)) * framed.scale;
    if (!(s > 0.0) || !std::isfinite(s)) return false;
    glPushMatrix();
    glScaled(s, s, s);
    glTranslated(w / 2 / s - framed.center.x, h / 2 / s - framed.center.y, 0);
    return true;
}

// Everything the backdrop and the fixed goals are drawn from.
ViewLayerKey SpaceView::stillPartKey(const Texture& backdrop, float w, float h) const {
    const Vec2f corner = min;
    ViewLayerKey key;
    key.windowWidth = ui.width;
    key.windowHeight = ui.height;
    key.x = int(corner.x);
    key.y = int(corner.y);
    key.width = int(w);
    key.height = int(h);
    // Without fixed goals the picture is the backdrop alone, which stays put
    // however the camera moves.
    if (world.mission && world.mission->hasFixedGoals()) {
        key.scale = framed.scale;
        key.centreX = framed.center.x;
        key.centreY = framed.center.y;
        key.mission = world.mission;
        Vec2 goals = world.mission->fixedGoalsCentre(world);
        key.goalsX = goals.x;
        key.goalsY = goals.y;
    }
    key.backdrop = backdrop.glName;
    return key;
}

SpaceView::SpaceView(Ui& ui, World& world) : Widget(ui), world(world) {}

void SpaceView::update() { restartTimer(); }

bool SpaceView::handleEvent(const InputEvent& event) {
    if (!paths || event.kind != InputEvent::MousePress || event.button != MouseButton::Left)
        return false;
    LocalPoint p = localPoint(*this, event);
    return paths->pick(Vec2f(float(p.x), float(p.y)), framed, max.x - min.x, max.y - min.y);
}

void SpaceView::draw() {
    if (hidden) return;
    float w = max.x - min.x;
    float h = max.y - min.y;
    glViewport(int(min.x), int(min.y), int(w), int(h));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    framed = frameCamera(world, w, h, framed);

    const Texture& backdrop = *getTexture("images/space1.png");
    auto paint = [&] { drawStillPart(backdrop, w, h); };
    // A picture is only kept of a view the backdrop covers whole.
    if (backdrop.width == 0 || backdrop.height == 0)
        paint();
    else
        stillPart.show(stillPartKey(backdrop, w, h), paint);
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
    glViewport(0, 0, ui.width, ui.height);
}

void SpaceView::drawStillPart(const Texture& backdrop, float w, float h) {
    drawBackdrop(backdrop, w, h);
    if (!world.mission || !applyCamera(w, h)) return;
    goals.clear();
    world.mission->fixedGoals(world, goals);
    drawGoals(goals);
    glPopMatrix();
}

// One texel per pixel from the view's lower-left corner; the texture repeats.
void SpaceView::drawBackdrop(const Texture& backdrop, float w, float h) const {
    if (backdrop.width == 0 || backdrop.height == 0) return;  // failed to load
    float s = w / float(backdrop.width);
    float t = h / float(backdrop.height);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, backdrop.glName);
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

void SpaceView::drawScene(float w, float h) {
    if (!applyCamera(w, h)) return;
    if (world.mission) {
        goals.clear();
        world.goals(goals);
        drawGoals(goals);
    }
    const double pixel = 1.0 / (double(std::min(w, h)) * framed.scale);
    if (paths) drawFlightOverlay(paths->overlay(), pixel);
    for (const Body& body : world.bodies) drawBody(body);
    if (world.rocket) drawShip(*world.rocket);
    if (paths) drawFlightMarks(paths->overlay(), pixel);
    if (world.rocket) drawHeadingMarker(*world.rocket, pixel);
    glPopMatrix();
    if (paths) {
        drawFlightLabels(paths->overlay(), framed, w, h, ui.smallFont);
        drawExitArrows(paths->overlay(), framed, w, h);
    }
}
