#pragma once

#include <cstdint>

#include "platform/InputEvent.h"

// The one window of the game and everything the window library does for it:
// opening it, its events, the swap and the mouse buttons. Only this file's
// implementation talks to the window library.

struct WindowMode {
    int32_t width = 1280;  // pixels
    int32_t height = 720;  // pixels
    bool fullscreen = false;
};

// Opens the window with a GL context in `wanted` mode; a mode that cannot be
// had falls back to a plain 1280 x 720 window, and when even that fails the
// program ends. Returns the mode in force.
WindowMode openWindow(WindowMode wanted);
// Closes the window and the window library.
void closeWindow();
// The next event of the window, if any; events the game has no use for are
// passed over. The mouse wheel arrives as Wheel, once per notch.
bool pollEvent(InputEvent& event);
// Shows the frame just drawn.
void swapWindow();
// Whether the left, middle or right mouse button is held now.
bool mouseButtonHeld();
// The address of a GL call that the GL library may lack; null if it does.
void* glCallAddress(const char* name);
