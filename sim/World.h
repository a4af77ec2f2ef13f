#pragma once

#include <vector>

#include "sim/Vec2.h"

class BodyTrack;
struct Body;
class Mission;
class MeshCache;
class Rocket;

// The single simulation record: the current mission's bodies and ship.
// Owns its bodies and its rocket, both rebuilt at every reset.
struct World {
    World() = default;
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    Vec2 viewCenter;            // world point at the middle of the space view
    double viewScale = 0.0;     // view size per world unit, relative to the view's shorter side
    std::vector<Body*> bodies;  // owned, in creation order (the physics depends on it)
    Mission* mission = nullptr;     // current mission, not owned
    Rocket* rocket = nullptr;   // owned; replaced at every reset
    int time = 0;               // steps since reset while neither won nor failed
    bool running = false;       // the flight program is being executed
    int speed = 1000;           // hundredths of a step per fixed update
    float viewWidth = 0.0f;     // space view size in pixels, set by the game screen
    float viewHeight = 0.0f;
    BodyTrack* bodyTrack = nullptr;  // optional replay of the bodies' motion; not owned
    bool cameraFollows = true;       // false while the optimizer flies runs that nobody sees
    MeshCache* meshCache = nullptr;  // optional, for resets nobody sees; not owned

    // A fresh run of the current mission, keeping the ship's program.
    void reset();
    // Empties the ship's program, then reset().
    void clearProgramAndReset();
    // One step (one second of game time). Allocates, draws and prints nothing.
    void step();
    struct View {
        Vec2 center;
        double scale;
    };
    // The camera that frames every body and the ship.
    View computeView() const;

private:
    void destroyBodies();
    void landOnSolidBodies();
};
