#include "app/MainLoop.h"

#include <GL/gl.h>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include "app/Application.h"
#include "app/FramePacer.h"
#include "app/QuitSignals.h"
#include "app/Widget.h"

namespace {

constexpr double fixedStep = 0.05;  // seconds of real time per update

}  // namespace

void processEvent(const SDL_Event& event) {
    // The wheel scrolls what is under the pointer; it never presses anything.
    if (isWheelEvent(event)) {
        dispatchWheel(event);
        return;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (Widget* screen = currentScreen())
            screen->click(windowPoint(event.button.x, event.button.y));
    }
    dispatchEvent(event);
    if (event.type == SDL_QUIT) app.running = false;
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
    SDL_Event event;
    while (SDL_PollEvent(&event)) processEvent(event);
    // A termination signal ends the program like closing the window.
    if (quitSignalled()) app.running = false;
    runFixedUpdates(now);
    if (Widget* screen = currentScreen()) screen->draw();
    SDL_GL_SwapBuffers();
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
