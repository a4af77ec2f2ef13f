#include "app/MainLoop.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

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

namespace {

void runFrame() {
    double now = secondsSinceStart();
    InputEvent event;
    while (pollEvent(event)) processEvent(event);
    // A termination signal ends the program like closing the window.
    if (quitSignalled()) app.running = false;
    runFixedUpdates(now);
    if (Widget* screen = currentScreen()) screen->draw();
    swapWindow();
}

}  // namespace

void mainLoop() {
    app.clock = secondsSinceStart();
    app.stepCount = 0;
    if (quitSignalled()) app.running = false;
    if (!app.running) return;
#ifdef __EMSCRIPTEN__
    // The browser asks for each frame when it can show one: the page never
    // blocks, and this call does not return.
    emscripten_set_main_loop(
        [] {
            runFrame();
            if (!app.running) emscripten_cancel_main_loop();
        },
        0, true);
#else
    FramePacer pacer(gameFrameRate());
    while (app.running) {
        runFrame();
        pacer.pace();
    }
#endif
}
