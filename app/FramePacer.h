#pragma once

// Keeps the main loop from drawing faster than the display shows frames.
// A driver with vertical sync holds each swap until the display is ready, and
// then a frame never comes early; without it the loop would draw as fast as
// it can and burn a processor core. Each frame therefore takes at least one
// display period, the rest of it asleep. Flights do not notice: they advance
// by the fixed 0.05 s update, whatever the frame rate.
class FramePacer {
public:
    // `framesPerSecond` <= 0 turns pacing off.
    explicit FramePacer(double framesPerSecond);

    // Seconds to sleep once a frame begun at `frameStart` was swapped at `now`
    // (both seconds on one monotonic clock): what is left of its period.
    double restAfter(double frameStart, double now) const;
    // After the swap: sleeps the rest of the frame's period, then starts the
    // next frame's period.
    void pace();

private:
    double period;            // seconds per frame; 0: no pacing
    double frameStart = -1.0;  // when the current frame began; < 0 before the first
};

// The frame rate to pace at, given what the display reports (0 or less when
// it cannot tell): the reported rate when it is plausible, else 60.
double pacingRate(int reportedRate);
// The rate for the game's window: the display's refresh rate, 60 when
// unknown, or 0 (no pacing) when the environment sets ASTRELLO_FRAME_PACING=off.
double gameFrameRate();
