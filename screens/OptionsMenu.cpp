#include "screens/OptionsMenu.h"

#include <cstdio>

#include "app/Options.h"
#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/MenuFrame.h"

OptionsMenu::OptionsMenu(Ui& ui, StoredOptions& options) : ListMenu(ui), options(options) {
    title = "Options";
    items = {"Resolution", "Full Screen", "Save and Quit", "Cancel"};
    entered = true;
}

// Every visit starts from the stored settings, so abandoned edits are forgotten.
void OptionsMenu::update() {
    if (entered) {
        pendingWidth = options.settings.width;
        pendingHeight = options.settings.height;
        pendingFullscreen = options.settings.fullscreen;
        restartTimer();
    }
    ui.stars->step(ui.window());
}

void OptionsMenu::draw() {
    beginMenuFrame(ui.window());
    setColour(1, 1, 1);
    drawTitle();
    setColour(0.3f, 0.3f, 0.5f);
    drawMarker("--------------------------*");
    setColour(0.7f, 0.7f, 0.7f);
    drawItems();

    char resolution[32];
    std::snprintf(resolution, sizeof resolution, "%dx%d", pendingWidth, pendingHeight);
    float valueX = float(ui.width / 2 + 100);
    setColour(0.7f, 0.7f, 1.0f);
    drawText(*ui.font, resolution, Vec2f(valueX, itemPosition(ResolutionItem).y));
    drawText(*ui.font, pendingFullscreen ? "Yes" : "No",
             Vec2f(valueX, itemPosition(FullScreenItem).y));
    endMenuFrame(*ui.stars, ui.window());
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
            options.settings.width = pendingWidth;
            options.settings.height = pendingHeight;
            options.settings.fullscreen = pendingFullscreen;
            options.save();
            ui.running = false;
            break;
        case CancelItem:
            ui.popScreen();
            entered = true;
            break;
    }
}
