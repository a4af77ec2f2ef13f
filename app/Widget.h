#pragma once

#include <vector>

#include "app/Ui.h"
#include "platform/InputEvent.h"
#include "render/Vec2f.h"

// Base of every screen and control. `parent` and `children` point at
// widgets owned elsewhere: by the application for screens, by the screen
// for its controls.
class Widget {
public:
    explicit Widget(Ui& ui) : ui(ui) {}
    virtual ~Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    Ui& ui;                         // the stack, clock, window and fonts it works with
    Vec2f min;                      // lower-left corner, window pixels
    Vec2f max;                      // upper-right corner, window pixels (inclusive)
    Widget* parent = nullptr;       // receives the events this one declines
    std::vector<Widget*> children;  // click-routing candidates, in order
    bool hidden = false;            // skipped by click routing; hidden buttons draw nothing
    bool entered = false;           // the next update() restarts this widget's timer
    double enterTime = 0.0;         // the loop's clock at the last (re)entry, seconds

    virtual void update() {}
    virtual void draw() {}
    virtual bool handleEvent(const InputEvent&) { return false; }
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

struct LocalPoint {
    int x;
    int y;
};
// The event's pointer relative to the widget's lower-left corner, y up.
LocalPoint localPoint(const Widget& widget, const InputEvent& event);
// The event's pointer in window pixels.
inline Vec2f windowPoint(const InputEvent& event) { return Vec2f(float(event.x), float(event.y)); }
