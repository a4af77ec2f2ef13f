#pragma once

#include <cstdint>
#include <vector>

#include "platform/InputEvent.h"
#include "render/Particles.h"

class TextureCache;
class Widget;
struct Font;

// What every screen and control is handed: the screen stack and the focus,
// the loop's clock, the window's size, the images, the fonts and the menus'
// star field.
// The application owns one; a test makes its own. Nothing here owns a screen.
struct Ui {
    std::vector<Widget*> screens;  // the screen stack; current = back()
    Widget* focus = nullptr;       // receives input first
    double clock = 0.0;            // seconds; +0.05 per fixed update
    int32_t stepCount = 0;         // fixed updates since the main loop began
    int32_t width = 1280;          // window width, pixels
    int32_t height = 720;          // window height, pixels
    TextureCache* textures = nullptr;  // every image drawn, and the fonts' sheets
    const Font* font = nullptr;       // large bitmap font
    const Font* smallFont = nullptr;  // small bitmap font
    StarField* stars = nullptr;       // behind the menus
    bool running = true;              // cleared to end the main loop

    WindowSize window() const { return WindowSize{width, height}; }

    void pushScreen(Widget* screen);
    void popScreen();
    Widget* currentScreen() const;
    // Offers an event to the focused widget and then up its parent chain.
    bool dispatchEvent(const InputEvent& event);
    // Offers a wheel notch to the deepest visible widget under the pointer of
    // the current screen and then up its parent chain; the focus stays put.
    void dispatchWheel(const InputEvent& event);
    // One input event as the main loop handles it: a mouse press first moves
    // the focus to the widget under the pointer, then the focus chain is
    // offered the event, and a close request ends the loop. The wheel only scrolls.
    void processEvent(const InputEvent& event);
    // One iteration's fixed-step catch-up: updates the current screen while
    // clock < now.
    void runFixedUpdates(double now);
};
