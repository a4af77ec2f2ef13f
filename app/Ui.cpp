#include "app/Ui.h"

#include "app/Widget.h"

namespace {

constexpr double fixedStep = 0.05;  // seconds of real time per update

}  // namespace

void Ui::pushScreen(Widget* screen) {
    screens.push_back(screen);
    focus = screens.back();
}

void Ui::popScreen() {
    if (!screens.empty()) screens.pop_back();
    focus = currentScreen();
}

Widget* Ui::currentScreen() const { return screens.empty() ? nullptr : screens.back(); }

bool Ui::dispatchEvent(const InputEvent& event) {
    for (Widget* w = focus; w != nullptr; w = w->parent) {
        if (w->handleEvent(event)) return true;
    }
    return false;
}

void Ui::dispatchWheel(const InputEvent& event) {
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

void Ui::processEvent(const InputEvent& event) {
    // The wheel scrolls what is under the pointer; it never presses anything.
    if (event.kind == InputEvent::Wheel) {
        dispatchWheel(event);
        return;
    }
    if (event.kind == InputEvent::MousePress) {
        if (Widget* screen = currentScreen()) screen->click(windowPoint(event));
    }
    dispatchEvent(event);
    if (event.kind == InputEvent::Quit) running = false;
}

void Ui::runFixedUpdates(double now) {
    while (clock < now && running) {
        clock += fixedStep;
        ++stepCount;
        // Looked up every time: an update may switch screens.
        if (Widget* screen = currentScreen()) screen->update();
    }
}
