#include "app/MainLoop.h"

#include <GL/gl.h>

#include "app/Application.h"
#include "app/FramePacer.h"
#include "app/QuitSignals.h"
#include "app/RedrawGate.h"
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

void mainLoop() {
    app.clock = secondsSinceStart();
    app.stepCount = 0;
    if (quitSignalled()) app.running = false;
    if (!app.running) return;
    FramePacer pacer(gameFrameRate());
    RedrawGate gate(redrawAlways());
    while (app.running) {
        double now = secondsSinceStart();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            processEvent(event);
            gate.input(now);
        }
        // A termination signal ends the program like closing the window.
        if (quitSignalled()) app.running = false;
        runFixedUpdates(now);
        Widget* screen = currentScreen();
        if (gate.wanted(screen, now)) {
            screen->draw();
            SDL_GL_SwapBuffers();
        }
        pacer.pace();
    }
}
