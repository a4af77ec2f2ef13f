#include "sim/BodyTrack.h"

#include <cstring>

#include "sim/Body.h"

namespace {

// Bitwise: 0.0 and -0.0, or two NaNs, are not interchangeable inputs.
bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

BodyTrack::BodyTrack(size_t bodyCount_, size_t maxFrames)
    : bodyCount(bodyCount_), stride(5 * bodyCount_), capacity(maxFrames) {
    fixed.reserve(bodyCount);
    frames.reserve(stride * capacity);
}

bool BodyTrack::matches(const std::vector<Body*>& bodies, size_t frame) const {
    if (bodies.size() != bodyCount || frame >= frameCount()) return false;
    const double* f = &frames[frame * stride];
    for (size_t i = 0; i < bodyCount; ++i, f += 5) {
        const Body& b = *bodies[i];
        if (!same(b.position.x, f[0]) || !same(b.position.y, f[1]) || !same(b.velocity.x, f[2]) ||
            !same(b.velocity.y, f[3]) || !same(b.angle, f[4]) || !same(b.mass, fixed[i].mass) ||
            !same(b.spin, fixed[i].spin) || b.solid != fixed[i].solid)
            return false;
    }
    return true;
}

void BodyTrack::append(const std::vector<Body*>& bodies) {
    for (const Body* b : bodies) {
        const double state[5] = {b->position.x, b->position.y, b->velocity.x, b->velocity.y,
                                 b->angle};
        frames.insert(frames.end(), state, state + 5);
    }
}

void BodyTrack::startOver(const std::vector<Body*>& bodies) {
    fixed.clear();
    frames.clear();
    for (const Body* b : bodies) fixed.push_back(Fixed{b->mass, b->spin, b->solid});
    append(bodies);
    cursor = 0;
}

bool BodyTrack::replay(std::vector<Body*>& bodies) {
    if (!following) return false;
    if (!matches(bodies, cursor)) {
        // A new start records anew; a run that strays midway is computed to its end.
        if (cursor == 0 && bodies.size() == bodyCount && capacity > 0) {
            startOver(bodies);
        } else {
            following = false;
        }
        return false;
    }
    if (cursor + 1 >= frameCount()) return false;  // the recording ends here: compute
    const double* f = &frames[++cursor * stride];
    for (size_t i = 0; i < bodyCount; ++i, f += 5) {
        Body& b = *bodies[i];
        b.position.x = f[0];
        b.position.y = f[1];
        b.velocity.x = f[2];
        b.velocity.y = f[3];
        b.angle = f[4];
    }
    ++replayed;
    return true;
}

void BodyTrack::record(const std::vector<Body*>& bodies) {
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
}
