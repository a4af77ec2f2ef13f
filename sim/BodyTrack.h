#pragma once

#include <cstddef>
#include <vector>

struct Body;

// A recording of how the bodies move, to replay instead of recomputing.
// The bodies pull one another but never feel the ship, so every run of a
// mission moves them the same way whatever the program: the optimizer's
// hundred runs need compute their motion only once.
//
// A frame is replayed only when the bodies' present state (everything the
// motion reads: position, velocity, angle, spin, mass, solid) is bit for bit
// the recorded one, so a replay always gives exactly what the computation
// would. Any difference (another mission, a body changed from outside) ends
// the replay for that run, and a new run from another start records anew.
class BodyTrack {
public:
    // Records at most `maxFrames` states; memory is taken here, never while stepping.
    BodyTrack(size_t bodyCount, size_t maxFrames);

    // Before the motion of one step: true if the bodies have been set to the
    // recorded next state; false if the caller must compute it and then call record().
    bool replay(std::vector<Body>& bodies);
    // After a computed motion: keeps the new state if it continues the recording.
    void record(const std::vector<Body>& bodies);
    // A new run starts: follow the recording from its first state again.
    void rewind();
    // For a world that only its steps move: once the bodies have matched the
    // recording, each frame replayed is the state the next one continues, and
    // is not compared again until the next rewind() or seek().
    void trustSteps() { trusting = true; }
    // A run goes on from the state it had after `frame` steps.
    void seek(size_t frame);

    size_t frameCount() const { return recorded; }
    size_t replayed = 0;  // steps served from the recording, for the benchmarks

private:
    struct Fixed {  // what the motion reads but never changes
        double mass, spin;
        bool solid;
    };
    bool matches(const std::vector<Body>& bodies, size_t frame) const;
    void append(const std::vector<Body>& bodies);
    void startOver(const std::vector<Body>& bodies);

    size_t bodyCount;
    size_t stride;    // doubles per frame: five per body
    size_t capacity;  // frames
    std::vector<Fixed> fixed;
    std::vector<double> frames;
    size_t recorded = 0;    // frames held
    size_t cursor = 0;      // the frame the bodies should be in now
    bool following = true;  // false once this run has left the recording
    bool trusting = false;
    bool settled = false;  // trusting, and the bodies hold the frame at `cursor`
};
