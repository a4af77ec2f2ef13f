#include "sim/FlightPath.h"

#include <algorithm>
#include <cmath>

#include "sim/Body.h"
#include "sim/BodyTrack.h"
#include "sim/FlightHorizon.h"
#include "sim/Rocket.h"
#include "sim/Threads.h"

namespace {

const long horizonCap = flightHorizon;
const float cutOffMargin = 100.0f;  // score units above the best, as the optimizer's cut-off
const size_t trackMemoryLimit = size_t(16) << 20;  // bytes

}  // namespace

FlightPath::FlightPath(size_t capacity_, double spacing_)
    : capacity(std::max<size_t>(capacity_, 4)), startSpacing(spacing_), spacing(spacing_) {}

void FlightPath::clear() {
    points.clear();
    starts.clear();
    last = Vec2();
    stepCount = 0;
    lastPc = 0;
    how = Flying;
    endScore = 0.0f;
    endMedal = 0;
    spacing = startSpacing;
}

void FlightPath::begin(const World& world) {
    clear();
    if (!world.rocket) return;
    const Rocket& ship = *world.rocket;
    points.reserve(capacity);
    starts.reserve(ship.program.size());
    lastPc = ship.pc;
    last = ship.position;
    points.push_back(Point{last, 0});
}

void FlightPath::afterStep(const World& world) {
    if (points.empty() || !world.rocket) return;
    const Rocket& ship = *world.rocket;
    ++stepCount;
    last = ship.position;
    if (ship.pc != lastPc) {
        lastPc = ship.pc;
        starts.push_back(Tick{stepCount, ship.position, ship.velocity});
    }
    const Vec2 d = last - points.back().position;
    if (d.x * d.x + d.y * d.y >= spacing * spacing) keep(last);
}

void FlightPath::keep(Vec2 position) {
    if (points.size() >= capacity) {
        // Every other point goes; the start stays.
        size_t kept = 1;
        for (size_t i = 2; i < points.size(); i += 2) points[kept++] = points[i];
        points.resize(kept);
        spacing *= 2.0;
    }
    points.push_back(Point{position, stepCount});
}

void FlightPath::finish(const World& world, Ending otherwise) {
    const RunResult& run = world.result;
    if (run.won && world.mission) {
        how = Won;
        endScore = run.score;
        endMedal = medalFor(run.score, *world.mission);
    } else {
        how = run.failed ? Failed : otherwise;
    }
}

bool FlightPath::stretchOf(int instruction, Stretch& stretch) const {
    if (instruction < 0 || size_t(instruction) >= starts.size()) return false;
    const Tick& from = starts[size_t(instruction)];
    const bool next = size_t(instruction) + 1 < starts.size();
    const long toStep = next ? starts[size_t(instruction) + 1].step : stepCount;
    stretch.from = from.position;
    stretch.to = next ? starts[size_t(instruction) + 1].position : last;
    auto byStep = [](const Point& p, long step) { return p.step < step; };
    stretch.firstPoint = size_t(std::lower_bound(points.begin(), points.end(), from.step + 1, byStep) -
                                points.begin());
    stretch.endPoint = size_t(std::lower_bound(points.begin(), points.end(), toStep, byStep) -
                              points.begin());
    stretch.endPoint = std::max(stretch.endPoint, stretch.firstPoint);
    return true;
}

long previewHorizon(float best, float timeRate) {
    const float limit = best + cutOffMargin;
    // Never won (or a damaged best): nothing to measure against. Time for
    // nothing: no run is too long.
    if (!(best > 0.0f) || !std::isfinite(limit) || !(timeRate > 0.0f)) return horizonCap;
    const double steps = double(limit) / double(timeRate) + 1.0;
    return steps < double(horizonCap) ? long(steps) : horizonCap;
}

FlightPreview::FlightPreview() = default;

FlightPreview::~FlightPreview() { world.bodyTrack = nullptr; }

// Bodies that pull one another cost most of a step; a recording of their
// motion serves every later flight of the same mission up to the horizon.
void FlightPreview::followBodies(long horizon) {
    if (trackMission == world.mission && trackHorizon == horizon) return;
    world.bodyTrack = nullptr;
    track.reset();
    trackMission = world.mission;
    trackHorizon = horizon;
    size_t solid = 0;
    for (const Body& body : world.bodies) solid += body.solid;
    const size_t count = world.bodies.size();
    if (count < 2 || solid == 0) return;
    const size_t most = trackMemoryLimit / (count * 5 * sizeof(double));
    track = std::make_unique<BodyTrack>(count, std::min(size_t(horizon) + 2, most));
    world.bodyTrack = track.get();
}

void FlightPreview::fly(const World& game, const Program& program, FlightPath& path,
                        long longest) {
    const Program* programs[] = {&program};
    FlightPath* paths[] = {&path};
    fly(game, programs, paths, 1, longest);
}

void FlightPreview::fly(const World& game, const Program* const programs[],
                        FlightPath* const paths[], size_t count, long longest) {
    const Rules* mission = game.mission;
    if (!mission) {
        for (size_t i = 0; i < count; ++i) paths[i]->clear();
        return;
    }
    const long horizon = previewHorizon(best, mission->timeRate);
    const long steps = longest > 0 ? std::min(longest, horizon) : horizon;
    world.mission = mission;
    world.reset();  // the mission's bodies, for followBodies()
    followBodies(horizon);
    for (size_t i = 0; i < count; ++i) {
        FlightPath& path = *paths[i];
        world.rocket->program = *programs[i];
        world.reset();
        if (track) track->rewind();
        path.begin(world);
        for (long step = 0; step < steps && !world.result.won && !world.result.failed; ++step) {
            if (stop && (step & 1023) == 0 && stop->load(std::memory_order_relaxed)) break;
            world.step();
            path.afterStep(world);
        }
        path.finish(world, FlightPath::Horizon);
    }
}

BackgroundFlight::BackgroundFlight() { preview.stop = &cancel; }

BackgroundFlight::~BackgroundFlight() { abandon(); }

void BackgroundFlight::abandon() {
    if (worker.joinable()) {
        cancel = true;
        worker.join();
        cancel = false;
    }
    done = false;
}

void BackgroundFlight::start(const World& game, float best, const Program& flown) {
    abandon();
    world = game;  // a value: the worker flies its own copy
    program = flown;
    preview.best = best;
    done = false;
    if (!threadsAvailable) {
        preview.fly(world, program, path);
        done = true;
        return;
    }
    worker = std::thread([this] {
        preview.fly(world, program, path);
        done = true;
    });
}

bool BackgroundFlight::take(FlightPath& taken, Program& flown) {
    if (!done) return false;
    if (worker.joinable()) worker.join();
    done = false;
    std::swap(taken, path);
    flown = program;
    return true;
}
