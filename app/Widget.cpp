#include "app/Widget.h"

#include "app/Application.h"

void Widget::click(Vec2f p) {
    app.focus = this;
    for (Widget* child : children) {
        if (child->hidden || !child->contains(p)) continue;
        child->click(p);
        return;
    }
}

bool Widget::contains(Vec2f p) const {
    return min.x <= p.x && p.x <= max.x && min.y <= p.y && p.y <= max.y;
}

void Widget::restartTimer() {
    if (!entered) return;
    entered = false;
    enterTime = app.clock;
}

void pushScreen(Widget* screen) {
    app.screens.push_back(screen);
    app.focus = app.screens.back();
}

void popScreen() {
    if (!app.screens.empty()) app.screens.pop_back();
    app.focus = currentScreen();
}

Widget* currentScreen() { return app.screens.empty() ? nullptr : app.screens.back(); }

bool dispatchEvent(const InputEvent& event) {
    for (Widget* w = app.focus; w != nullptr; w = w->parent) {
        if (w->handleEvent(event)) return true;
    }
    return false;
}

void dispatchWheel(const InputEvent& event) {
    Widget* w = currentScreen();
    if (!w) return;
    Vec2f p = windowPoint(event);
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (Widget* child : w->children) {
            if (child->hidden || !child->contains(p)) continue;
            w = child;
            deeper = true;
            break;
        }
    }
    for (; w != nullptr; w = w->parent) {
        if (w->scroll(event.rows)) return;
    }
}

LocalPoint localPoint(const Widget& widget, const InputEvent& event) {
    Vec2f p = windowPoint(event);
    return {int(p.x - widget.min.x), int(p.y - widget.min.y)};
}
