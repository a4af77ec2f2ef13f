#include "sim/BodyTrack.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "sim/Body.h"

namespace {

// A body's moving state, position to angle, lies in five consecutive doubles,
// read and written as one block.
static_assert(offsetof(Body, velocity) == offsetof(Body, position) + 2 * sizeof(double) &&
                  offsetof(Body, angle) == offsetof(Body, velocity) + 2 * sizeof(double),
              "a body's position, velocity and angle must be consecutive doubles");
const size_t stateBytes = 5 * sizeof(double);

const void* stateOf(const Body& b) { return &b.position; }
void* stateOf(Body& b) { return &b.position; }

// Bitwise: 0.0 and -0.0, or two NaNs, are not interchangeable inputs.
bool same(double a, double b) {
    uint64_t x, y;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

bool sameState(const Body& b, const double* f) {
    return std::memcmp(stateOf(b), f, stateBytes) == 0;
}

}  // namespace

BodyTrack::BodyTrack(size_t bodyCount_, size_t maxFrames)
    : bodyCount(bodyCount_), stride(5 * bodyCount_), capacity(maxFrames) {
    fixed.reserve(bodyCount);
    frames.reserve(stride * capacity);
}

bool BodyTrack::matches(const std::vector<Body>& bodies, size_t frame) const {
    if (bodies.size() != bodyCount || frame >= frameCount()) return false;
    const double* f = &frames[frame * stride];
    for (size_t i = 0; i < bodyCount; ++i, f += 5) {
        const Body& b = bodies[i];
        if (!sameState(b, f) || !same(b.mass, fixed[i].mass) || !same(b.spin, fixed[i].spin) ||
            b.solid != fixed[i].solid)
            return false;
    }
    return true;
}

void BodyTrack::append(const std::vector<Body>& bodies) {
    for (const Body& b : bodies) {
        const double* state = static_cast<const double*>(stateOf(b));
        frames.insert(frames.end(), state, state + 5);
    }
    ++recorded;
}

void BodyTrack::startOver(const std::vector<Body>& bodies) {
    fixed.clear();
    frames.clear();
    recorded = 0;
    for (const Body& b : bodies) fixed.push_back(Fixed{b.mass, b.spin, b.solid});
    append(bodies);
    cursor = 0;
}

bool BodyTrack::replay(std::vector<Body>& bodies) {
    if (!following) return false;
    if (!settled && !matches(bodies, cursor)) {
        // A new start records anew; a run that strays midway is computed to its end.
        if (cursor == 0 && bodies.size() == bodyCount && capacity > 0) {
            startOver(bodies);
        } else {
            following = false;
        }
        return false;
    }
    if (cursor + 1 >= frameCount()) {  // the recording ends here: compute
        settled = false;
        return false;
    }
    const double* f = &frames[++cursor * stride];
    for (size_t i = 0; i < bodyCount; ++i, f += 5) std::memcpy(stateOf(bodies[i]), f, stateBytes);
    settled = trusting;
    ++replayed;
    return true;
}

void BodyTrack::record(const std::vector<Body>& bodies) {
    if (!following) return;
    if (cursor + 1 != frameCount() || frameCount() >= capacity) {
        following = false;
        return;
    }
    append(bodies);
    ++cursor;
}

void BodyTrack::rewind() {
    cursor = 0;
    following = true;
    settled = false;
}

void BodyTrack::seek(size_t frame) {
    cursor = frame;
    following = true;
    settled = false;
}
