#include "app/RedrawGate.h"

#include <cstdlib>
#include <cstring>

#include "app/Widget.h"

bool RedrawGate::wanted(Widget* screen, double now) {
    if (!screen) return false;
    // Asked every loop, so that a screen can tell when it stopped moving.
    const bool moving = screen->moving();
    const bool draw = always || moving || now < inputUntil || screen != drawn;
    if (draw) drawn = screen;
    return draw;
}

bool redrawAlways() {
    const char* setting = std::getenv("ASTRELLO_REDRAW");
    return setting && std::strcmp(setting, "always") == 0;
}
