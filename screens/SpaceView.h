#pragma once

#include "app/Widget.h"
#include "sim/Goal.h"
#include "render/Camera.h"
#include "render/ModelDrawing.h"
#include "render/ViewLayer.h"

class FlightPaths;
struct World;
struct Texture;

// The space view: the current mission's scene over a tiled star backdrop,
// framed anew on every frame to hold every body and the ship, with the flights
// of the game screen's paths. Created and owned by the game screen, which gives
// it its rectangle on every frame.
class SpaceView : public Widget {
public:
    SpaceView(Ui& ui, World& world);

    FlightPaths* paths = nullptr;  // the flights shown over the scene; not owned

    void update() override;
    void draw() override;
    // A left press on a tick of the preview selects its instruction.
    bool handleEvent(const InputEvent& event) override;

    // Where the view looks, as framed by the last draw().
    const Camera& camera() const { return framed; }

private:
    void drawStillPart(const Texture& backdrop, float w, float h);
    void drawScene(float w, float h);
    // What lives in world units; false when the camera frames nothing yet.
    bool drawWorld(float w, float h);
    ViewLayerKey stillPartKey(const Texture& backdrop, float w, float h) const;

    World& world;
    ViewLayer stillPart;  // the backdrop and fixed goals, kept between frames
    ModelDrawer models;   // the bodies' and the ship's meshes, read once
    Camera framed;        // kept while there is no ship to frame
    Goals goals;          // the mission's goals of this frame; kept for its storage
};
