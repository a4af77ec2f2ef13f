#pragma once

class Widget;

// Decides whether the main loop draws a frame. A screen on which nothing
// moves is not drawn again, so an idle game leaves the processor alone:
// a frame is drawn after input (for a moment, as its effect may wait for the
// next update), when another screen comes on top, and while the screen says
// it is moving.
class RedrawGate {
public:
    // Seconds of frames after input: a few updates of 0.05 s.
    static constexpr double afterInput = 0.25;

    // `always`: draw every frame, as with ASTRELLO_REDRAW=always.
    explicit RedrawGate(bool always = false) : always(always) {}

    void input(double now) { inputUntil = now + afterInput; }
    // Whether to draw `screen` (null: nothing to draw) at `now`; notes it as drawn.
    bool wanted(Widget* screen, double now);

private:
    bool always;
    double inputUntil = -1.0;
    const Widget* drawn = nullptr;  // the screen of the last frame
};

// ASTRELLO_REDRAW=always in the environment: every frame is drawn.
bool redrawAlways();
