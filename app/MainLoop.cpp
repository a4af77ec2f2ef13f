#include "app/MainLoop.h"

#include "app/Application.h"
#include "app/FramePacer.h"
#include "app/QuitSignals.h"
#include "app/Widget.h"
#include "platform/Clock.h"
#include "platform/Window.h"

namespace {

constexpr double fixedStep = 0.05;  // seconds of real time per update

}  // namespace

void processEvent(const InputEvent& event) {
    // The wheel scrolls what is under the pointer; it never presses anything.
    if (event.kind == InputEvent::Wheel) {
        dispatchWheel(event);
        return;
    }
    if (event.kind == InputEvent::MousePress) {
        if (Widget* screen = currentScreen()) screen->click(windowPoint(event));
    }
    dispatchEvent(event);
    if (event.kind == InputEvent::Quit) app.running = false;
}

void runFixedUpdates(double now) {
    while (app.clock < now && app.running) {
        app.clock += fixedStep;
        ++app.stepCount;
        // Looked up every time: an update may switch screens.
        if (Widget* screen = currentScreen()) screen->update();
    }
}

void mainLoop() {
    app.clock = secondsSinceStart();
    app.stepCount = 0;
    if (quitSignalled()) app.running = false;
    if (!app.running) return;
    FramePacer pacer(gameFrameRate());
    while (app.running) {
        double now = secondsSinceStart();
        InputEvent event;
        while (pollEvent(event)) processEvent(event);
        // A termination signal ends the program like closing the window.
        if (quitSignalled()) app.running = false;
        runFixedUpdates(now);
        if (Widget* screen = currentScreen()) screen->draw();
        swapWindow();
        pacer.pace();
    }
}
