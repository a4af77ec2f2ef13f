#pragma once

#include <SDL/SDL.h>

// SDL events as the window system delivers them, for tests of input handling.
// Mouse positions are SDL's: origin top-left, y down.

inline SDL_Event sdlEvent(Uint8 type) {
    SDL_Event e{};
    e.type = type;
    return e;
}

inline SDL_Event keyPress(SDLKey key) {
    SDL_Event e = sdlEvent(SDL_KEYDOWN);
    e.key.keysym.sym = key;
    return e;
}

inline SDL_Event mousePress(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event e = sdlEvent(SDL_MOUSEBUTTONDOWN);
    e.button.button = button;
    e.button.x = Uint16(x);
    e.button.y = Uint16(y);
    return e;
}

inline SDL_Event mouseMotion(int x, int y) {
    SDL_Event e = sdlEvent(SDL_MOUSEMOTION);
    e.motion.x = Uint16(x);
    e.motion.y = Uint16(y);
    return e;
}
