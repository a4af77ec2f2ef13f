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

bool dispatchEvent(const SDL_Event& event) {
    for (Widget* w = app.focus; w != nullptr; w = w->parent) {
        if (w->handleEvent(event)) return true;
    }
    return false;
}

bool isWheelEvent(const SDL_Event& event) {
    return (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) &&
           (event.button.button == SDL_BUTTON_WHEELUP ||
            event.button.button == SDL_BUTTON_WHEELDOWN);
}

void dispatchWheel(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONDOWN) return;  // a notch is taken once, on its press
    Widget* w = currentScreen();
    if (!w) return;
    Vec2f p = windowPoint(event.button.x, event.button.y);
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (Widget* child : w->children) {
            if (child->hidden || !child->contains(p)) continue;
            w = child;
            deeper = true;
            break;
        }
    }
    int rows = event.button.button == SDL_BUTTON_WHEELUP ? -1 : 1;
    for (; w != nullptr; w = w->parent) {
        if (w->scroll(rows)) return;
    }
}

LocalPoint localPoint(const Widget& widget, int x, int y) {
    Vec2f p = windowPoint(x, y);
    return {int(p.x - widget.min.x), int(p.y - widget.min.y)};
}

Vec2f windowPoint(int x, int y) { return Vec2f(float(x), float(app.height - 1 - y)); }
