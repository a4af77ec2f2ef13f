#pragma once

// Keeps the main loop from drawing faster than the display shows frames.
// A driver with vertical sync holds each swap until the display is ready, and
// then a frame never comes early; without it the loop would draw as fast as
// it can and burn a processor core. Frames therefore start one display
// period apart, the loop asleep in between. Flights do not notice: they
// advance by the fixed 0.05 s update, whatever the frame rate.
class FramePacer {
public:
    // `framesPerSecond` <= 0 turns pacing off.
    explicit FramePacer(double framesPerSecond);

    // Seconds to sleep after a swap at `now` (seconds on a monotonic clock)
    // before the next frame's turn. The turns keep their own beat, so a sleep
    // that wakes a little late takes nothing from the next frame; a frame that
    // ran past its turn starts the beat afresh rather than hurrying.
    double restAfterSwap(double now);
    // After the swap: sleeps until the next frame's turn.
    void pace();

private:
    double period;           // seconds per frame; 0: no pacing
    double nextTurn = -1.0;  // when the next frame may start; < 0 before the first swap
};

// The frame rate to pace at, given what the display reports (0 or less when
// it cannot tell): the reported rate when it is plausible, else 60.
double pacingRate(int reportedRate);
// The rate for the game's window: the display's refresh rate, 60 when
// unknown, or 0 (no pacing) when the environment sets ASTRELLO_FRAME_PACING=off.
double gameFrameRate();
