#pragma once

#include <SDL/SDL.h>

#include <vector>

#include "render/Vec2f.h"

// Base of every screen and control. Widgets are created once and never
// destroyed, so neither `parent` nor `children` own anything.
class Widget {
public:
    Widget() = default;
    virtual ~Widget() = default;

    Vec2f min;                      // lower-left corner, window pixels
    Vec2f max;                      // upper-right corner, window pixels (inclusive)
    Widget* parent = nullptr;       // receives the events this one declines
    std::vector<Widget*> children;  // click-routing candidates, in order
    bool hidden = false;            // skipped by click routing; hidden buttons draw nothing
    bool entered = false;           // the next update() restarts this widget's timer
    double enterTime = 0.0;         // application clock at the last (re)entry, seconds

    virtual void update() {}
    virtual void draw() {}
    virtual bool handleEvent(const SDL_Event&) { return false; }
    // The mouse wheel over this widget: `rows` up (negative) or down
    // (positive). True when taken; otherwise it is offered to the parent.
    virtual bool scroll(int /*rows*/) { return false; }
    // Whether the next frame would differ from the last without any input:
    // true for animated screens. Asked once per turn of the main loop.
    virtual bool moving() { return true; }
    // Focuses this widget, then hands the press to the first visible child under p.
    void click(Vec2f p);

    bool contains(Vec2f p) const;
    // The shared timer restart: clears `entered` and stamps `enterTime`.
    void restartTimer();
};

// Screen stack (the last element is the current screen).
void pushScreen(Widget* screen);
void popScreen();
Widget* currentScreen();
// Offers an event to the focused widget and then up its parent chain.
bool dispatchEvent(const SDL_Event& event);

// SDL reports each notch of the mouse wheel as a press and a release of
// button 4 (up) or 5 (down); they are no presses a player makes.
bool isWheelEvent(const SDL_Event& event);
// Offers a wheel notch to the deepest visible widget under the pointer of
// the current screen and then up its parent chain; the focus stays put.
void dispatchWheel(const SDL_Event& event);

struct LocalPoint {
    int x;
    int y;
};
// An SDL mouse position relative to the widget's lower-left corner, y up.
LocalPoint localPoint(const Widget& widget, int x, int y);
// Converts an SDL mouse position (origin top-left) to window pixels (origin bottom-left).
Vec2f windowPoint(int x, int y);
