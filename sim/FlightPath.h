#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <thread>
#include <vector>

#include "sim/Instruction.h"
#include "sim/Vec2.h"
#include "sim/World.h"

class BodyTrack;

// A flight as a line to draw: the ship's positions after each step, thinned
// by distance, and where each instruction of the program began.
//
// Memory is bounded however long the flight: a position is kept only once
// the ship has moved `spacing` world units from the last one kept, and when
// `capacity` positions are held every other one is dropped and the spacing
// doubles. The start, the ticks and the last position are always exact.
class FlightPath {
public:
    enum Ending {
        Flying,   // still being flown, or stopped by the player
        Won,      // the step that won; `score` and `medal` hold the result
        Failed,   // the step that failed the mission
        Horizon,  // neither, by the preview's horizon
    };
    struct Point {
        Vec2 position;  // world units
        long step;      // steps flown when the ship was there; 0 is the start
    };
    // Where an instruction began: the ship's state after the step that ran it.
    struct Tick {
        long step;
        Vec2 position;
        Vec2 velocity;
    };
    // A part of the path between two steps, for highlighting.
    struct Stretch {
        Vec2 from, to;                // exact ends
        size_t firstPoint, endPoint;  // the kept points strictly between them: [first, end)
    };

    static constexpr size_t defaultCapacity = 4096;  // points
    static constexpr double defaultSpacing = 0.5;    // world units, under a pixel in every mission

    explicit FlightPath(size_t capacity = defaultCapacity, double spacing = defaultSpacing);

    // Starts a path at the ship's place in `world`, just reset.
    void begin(const World& world);
    // Notes the ship's place after one more step. Allocates nothing while
    // the program has no more instructions than it had at begin().
    void afterStep(const World& world);
    // Marks how the flight ended: from the world's run, else `otherwise`.
    void finish(const World& world, Ending otherwise);
    void clear();

    bool empty() const { return points.empty(); }
    const std::vector<Point>& kept() const { return points; }
    // ticks()[i] is where instruction i began; instructions begin in order, once each.
    const std::vector<Tick>& ticks() const { return starts; }
    Vec2 end() const { return last; }  // the ship's place after the last step
    long steps() const { return stepCount; }
    Ending ending() const { return how; }
    float score() const { return endScore; }
    int medal() const { return endMedal; }

    // The stretch instruction i governs: from its tick to the next
    // instruction's tick, or to the end of the path for the last one begun.
    // False if instruction i never began.
    bool stretchOf(int instruction, Stretch& stretch) const;

private:
    void keep(Vec2 position);

    size_t capacity;
    double startSpacing, spacing;
    std::vector<Point> points;
    std::vector<Tick> starts;
    Vec2 last;
    long stepCount = 0;
    int lastPc = 0;
    Ending how = Flying;
    float endScore = 0.0f;
    int endMedal = 0;
};

// The horizon of a preview: where a flight that neither wins nor fails is
// no longer drawn. At most flightHorizon; for a mission already won, the
// step at which the time alone, at `timeRate` a step, costs more than the
// optimizer's cut-off (best score + 100), since no run that long can come
// near the best.
long previewHorizon(float best, float timeRate);

// Flies programs on the mission of a stopped game world, in a world of its
// own, as a run would fly them: the same simulation, step for step.
class FlightPreview {
public:
    FlightPreview();
    ~FlightPreview();
    FlightPreview(const FlightPreview&) = delete;
    FlightPreview& operator=(const FlightPreview&) = delete;

    // Flies `program` on `game.mission` into `path`, until won, failed or
    // the horizon (or after `longest` steps, if positive and sooner).
    // `game` is left as it is.
    void fly(const World& game, const Program& program, FlightPath& path, long longest = 0);
    // The same for several programs.
    void fly(const World& game, const Program* const programs[], FlightPath* const paths[],
             size_t count, long longest = 0);

    // The player's best on the mission flown (0 = never won): it sets the horizon.
    float best = 0.0f;
    // Once set, a flight ends early, its path unfinished.
    const std::atomic<bool>* stop = nullptr;

private:
    void followBodies(long horizon);

    World world;  // flies the previews; shows nothing
    // The bodies' motion, the same in every flight of a mission, recorded in
    // the first and replayed in the others.
    std::unique_ptr<BodyTrack> track;
    const Rules* trackMission = nullptr;
    long trackHorizon = 0;
};

// One preview at a time flown beside the caller, on a thread of its own with
// a copy of the stopped game world: for flights that take longer than a frame.
class BackgroundFlight {
public:
    BackgroundFlight();
    ~BackgroundFlight();
    BackgroundFlight(const BackgroundFlight&) = delete;
    BackgroundFlight& operator=(const BackgroundFlight&) = delete;

    // Starts flying `program` on `game`'s mission with the best score `best`,
    // abandoning a flight still in progress.
    void start(const World& game, float best, const Program& program);
    // Once the flight started last has ended: its path and program, and true.
    bool take(FlightPath& path, Program& program);
    // Abandons a flight in progress.
    void abandon();
    bool busy() const { return worker.joinable(); }

private:
    FlightPreview preview;  // the worker's while it flies
    World world;
    Program program;
    FlightPath path;
    std::thread worker;
    std::atomic<bool> done{false};
    std::atomic<bool> cancel{false};
};
