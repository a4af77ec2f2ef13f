#include "screens/SpaceView.h"

#include <algorithm>
#include <cmath>

#include "missions/Mission.h"
#include "render/CameraTransform.h"
#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/GoalDrawing.h"
#include "render/ModelDrawing.h"
#include "render/PathDrawing.h"
#include "render/Texture.h"
#include "render/WindowProjection.h"
#include "screens/FlightPaths.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

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

SpaceView::SpaceView(Ui& ui, World& world) : Widget(ui), world(world), models(*ui.textures) {}

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
    RegionProjection region(ui.window(), min, w, h, 10000);
    framed = frameCamera(world, w, h, framed);

    const Texture& backdrop = *ui.textures->get("images/space1.png");
    auto paint = [&] { drawStillPart(backdrop, w, h); };
    // A picture is only kept of a view the backdrop covers whole.
    if (backdrop.width == 0 || backdrop.height == 0)
        paint();
    else
        stillPart.show(stillPartKey(backdrop, w, h), paint);
    drawScene(w, h);

    setColour(1, 1, 1);
    outlineRect(1, 1, w - 2, h - 2);
}

void SpaceView::drawStillPart(const Texture& backdrop, float w, float h) {
    // One texel per pixel from the view's lower-left corner.
    drawImageTiled(backdrop, w, h);
    if (!world.mission) return;
    CameraTransform inWorld(framed, w, h);
    if (!inWorld.applied()) return;
    goals.clear();
    world.mission->fixedGoals(world, goals);
    drawGoals(goals);
}

bool SpaceView::drawWorld(float w, float h) {
    CameraTransform inWorld(framed, w, h);
    if (!inWorld.applied()) return false;
    if (world.mission) {
        goals.clear();
        world.goals(goals);
        drawGoals(goals);
    }
    const double pixel = 1.0 / (double(std::min(w, h)) * framed.scale);
    if (paths) drawFlightOverlay(paths->overlay(), pixel);
    for (const Body& body : world.bodies) models.drawBody(body);
    if (world.rocket) models.drawShip(*world.rocket);
    if (paths) drawFlightMarks(paths->overlay(), pixel);
    if (world.rocket) drawHeadingMarker(*world.rocket, pixel);
    return true;
}

void SpaceView::drawScene(float w, float h) {
    if (!drawWorld(w, h)) return;
    if (paths) {
        drawFlightLabels(paths->overlay(), framed, w, h, ui.smallFont);
        drawExitArrows(paths->overlay(), framed, w, h);
    }
}
