#include "platform/Window.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int32_t fallbackWidth = 1280;  // pixels
constexpr int32_t fallbackHeight = 720;  // pixels
// From a small screen's window to an 8K one; anything else is a damaged file.
constexpr int32_t smallestWidth = 320, smallestHeight = 240;  // pixels
constexpr int32_t largestWidth = 7680, largestHeight = 4320;  // pixels
constexpr Uint8 heldButtons = SDL_BUTTON_LMASK | SDL_BUTTON_MMASK | SDL_BUTTON_RMASK;

int32_t windowHeight = fallbackHeight;  // for turning the library's rows upside down

bool usable(const WindowMode& mode) {
    return mode.width >= smallestWidth && mode.height >= smallestHeight &&
           mode.width <= largestWidth && mode.height <= largestHeight;
}

bool setVideoMode(const WindowMode& mode) {
    Uint32 flags = SDL_HWSURFACE | SDL_OPENGL | SDL_HWACCEL;
    if (mode.fullscreen) flags |= SDL_FULLSCREEN;
    return SDL_SetVideoMode(mode.width, mode.height, 32, flags) != nullptr;
}

Key keyOf(SDLKey sym) {
    const bool named = (sym >= SDLK_a && sym <= SDLK_z) || (sym >= SDLK_0 && sym <= SDLK_9) ||
                       sym == SDLK_SPACE || sym == SDLK_PLUS || sym == SDLK_MINUS ||
                       sym == SDLK_EQUALS;
    if (named) return Key(int32_t(sym));  // the character itself
    if (sym >= SDLK_KP0 && sym <= SDLK_KP9) return Key(int32_t(Key::Keypad0) + (sym - SDLK_KP0));
    switch (sym) {
        case SDLK_BACKSPACE: return Key::Backspace;
        case SDLK_RETURN: return Key::Return;
        case SDLK_ESCAPE: return Key::Escape;
        case SDLK_DELETE: return Key::Delete;
        case SDLK_UP: return Key::Up;
        case SDLK_DOWN: return Key::Down;
        case SDLK_LEFT: return Key::Left;
        case SDLK_RIGHT: return Key::Right;
        case SDLK_PAGEUP: return Key::PageUp;
        case SDLK_PAGEDOWN: return Key::PageDown;
        case SDLK_END: return Key::End;
        case SDLK_F1: return Key::F1;
        case SDLK_KP_MINUS: return Key::KeypadMinus;
        case SDLK_KP_PLUS: return Key::KeypadPlus;
        default: return Key::Other;
    }
}

MouseButton buttonOf(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT: return MouseButton::Left;
        case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
        case SDL_BUTTON_RIGHT: return MouseButton::Right;
        default: return MouseButton::Other;
    }
}

bool isWheel(Uint8 button) { return button == SDL_BUTTON_WHEELUP || button == SDL_BUTTON_WHEELDOWN; }

// The library's rows count from the top; the game's from the bottom.
int rowUp(int y) { return windowHeight - 1 - y; }

// False for events the game has no use for.
bool translate(const SDL_Event& in, InputEvent& out) {
    out = InputEvent();
    switch (in.type) {
        case SDL_QUIT:
            out.kind = InputEvent::Quit;
            return true;
        case SDL_KEYDOWN:
            out = InputEvent::keyPress(keyOf(in.key.keysym.sym));
            return true;
        case SDL_MOUSEMOTION:
            out = InputEvent::mouseMove(in.motion.x, rowUp(in.motion.y),
                                        (in.motion.state & heldButtons) != 0);
            return true;
        case SDL_MOUSEBUTTONDOWN:
            // Each notch of the wheel comes as a press and a release of
            // button 4 (up) or 5 (down); they are no presses a player makes.
            if (isWheel(in.button.button)) {
                out = InputEvent::wheel(in.button.x, rowUp(in.button.y),
                                        in.button.button == SDL_BUTTON_WHEELUP ? -1 : 1);
            } else {
                out = InputEvent::mousePress(in.button.x, rowUp(in.button.y),
                                             buttonOf(in.button.button));
            }
            return true;
        case SDL_MOUSEBUTTONUP:
            if (isWheel(in.button.button)) return false;
            out = InputEvent::mousePress(in.button.x, rowUp(in.button.y), buttonOf(in.button.button));
            out.kind = InputEvent::MouseRelease;
            return true;
        default:
            return false;
    }
}

}  // namespace

WindowMode openWindow(WindowMode wanted) {
    // A window opens at (100, 30) on the desktop; a full screen covers the
    // display from its corner, which the position would push off it.
    if (!wanted.fullscreen) setenv("SDL_VIDEO_WINDOW_POS", "100,30", 1);
    // The desktop entry's StartupWMClass: the desktop groups the window under its icon.
    setenv("SDL_VIDEO_X11_WMCLASS", "astrello", 0);
    SDL_Init(SDL_INIT_VIDEO);
#ifndef __EMSCRIPTEN__  // a browser shows frames at the display's pace anyway
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
#endif
    WindowMode mode = wanted;
    bool opened = false;
    if (!usable(wanted)) {
        std::printf("ERROR: Unusable window size %dx%d. Using %dx%d.\n", wanted.width,
                    wanted.height, fallbackWidth, fallbackHeight);
    } else if (setVideoMode(wanted)) {
        opened = true;
    } else {
        std::printf("ERROR: Failed to set video mode %dx%d: %s. Using %dx%d.\n", wanted.width,
                    wanted.height, SDL_GetError(), fallbackWidth, fallbackHeight);
    }
    if (!opened) {
        mode = WindowMode{fallbackWidth, fallbackHeight, false};
        if (!setVideoMode(mode)) {
            std::printf("ERROR: Failed to open a window: %s\n", SDL_GetError());
            SDL_Quit();
            std::exit(EXIT_FAILURE);
        }
    }
    windowHeight = mode.height;
    SDL_WM_SetCaption("Astrello", "Astrello");
    SDL_EnableUNICODE(1);
    SDL_EnableKeyRepeat(500, 30);
    return mode;
}

void closeWindow() { SDL_Quit(); }

bool pollEvent(InputEvent& event) {
    SDL_Event in;
    while (SDL_PollEvent(&in)) {
        if (translate(in, event)) return true;
    }
    return false;
}

void swapWindow() { SDL_GL_SwapBuffers(); }

bool mouseButtonHeld() { return (SDL_GetMouseState(nullptr, nullptr) & heldButtons) != 0; }

void* glCallAddress(const char* name) { return SDL_GL_GetProcAddress(name); }
