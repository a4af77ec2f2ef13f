#include "app/OptionsMenu.h"

#include <GL/gl.h>

#include <cstdio>

#include "app/Application.h"
#include "app/Options.h"
#include "render/Font.h"

OptionsMenu::OptionsMenu() {
    title = "Options";
    items = {"Resolution", "Full Screen", "Save and Quit", "Cancel"};
    entered = true;
}

// Every visit starts from the stored settings, so abandoned edits are forgotten.
void OptionsMenu::update() {
    if (entered) {
        pendingWidth = videoSettings.width;
        pendingHeight = videoSettings.height;
        pendingFullscreen = videoSettings.fullscreen;
        restartTimer();
    }
    app.stars.step(app.window());
}

void OptionsMenu::draw() {
    beginMenuFrame();
    glColor3f(1, 1, 1);
    drawTitle();
    glColor3f(0.3f, 0.3f, 0.5f);
    drawMarker("--------------------------*");
    glColor3f(0.7f, 0.7f, 0.7f);
    drawItems();

    char resolution[32];
    std::snprintf(resolution, sizeof resolution, "%dx%d", pendingWidth, pendingHeight);
    float valueX = float(app.width / 2 + 100);
    glColor3f(0.7f, 0.7f, 1.0f);
    drawText(*app.font, resolution, Vec2f(valueX, itemPosition(ResolutionItem).y));
    drawText(*app.font, pendingFullscreen ? "Yes" : "No",
             Vec2f(valueX, itemPosition(FullScreenItem).y));
    endMenuFrame();
}

void OptionsMenu::activate(int index) {
    switch (index) {
        case ResolutionItem: {
            Resolution next = nextResolution(pendingWidth, pendingHeight);
            pendingWidth = next.width;
            pendingHeight = next.height;
            break;
        }
        case FullScreenItem:
            pendingFullscreen = !pendingFullscreen;
            break;
        case SaveAndQuitItem:
            // The open window keeps its size; the new one applies at the next start.
            videoSettings.width = pendingWidth;
            videoSettings.height = pendingHeight;
            videoSettings.fullscreen = pendingFullscreen;
            saveOptions();
            app.running = false;
            break;
        case CancelItem:
            popScreen();
            entered = true;
            break;
    }
}
