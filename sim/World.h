#pragma once

#include <vector>

class BodyTrack;
struct Body;
class Mission;
class Rocket;

// The simulated world: the current mission's bodies and ship, physics only.
// Owns its bodies and its rocket, both rebuilt at every reset.
struct World {
    World() = default;
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    std::vector<Body*> bodies;       // owned, in creation order (the physics depends on it)
    Mission* mission = nullptr;      // current mission, not owned
    Rocket* rocket = nullptr;        // owned; replaced at every reset
    int time = 0;                    // steps since reset while neither won nor failed
    bool running = false;            // the flight program is being executed
    int speed = 1000;                // hundredths of a step per fixed update
    BodyTrack* bodyTrack = nullptr;  // optional replay of the bodies' motion; not owned

    // A fresh run of the current mission, keeping the ship's program.
    void reset();
    // Empties the ship's program, then reset().
    void clearProgramAndReset();
    // One step (one second of game time). Allocates and prints nothing.
    void step();

private:
    void destroyBodies();
    void landOnSolidBodies();
};
