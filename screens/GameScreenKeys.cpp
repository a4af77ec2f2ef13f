#include <algorithm>

#include "app/Application.h"
#include "app/Button.h"
#include "screens/FlightPaths.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/ProgramEdits.h"
#include "sim/Rocket.h"

// Every key press is consumed; while running only Return, Escape and Space act.
// Keys set the same flags as the buttons, so both take the same path in update().
bool GameScreen::handleEvent(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN) return false;
    int sym = event.key.keysym.sym;
    if (optimizer) {
        // The program is the optimizer's until it is done: only leaving is possible.
        if (sym == SDLK_ESCAPE) quitButton->clicked = true;
        return true;
    }
    if (sym == SDLK_p) {
        paths->togglePreview();
    } else if (sym == SDLK_RETURN) {
        runButton->clicked = true;
    } else if (sym == SDLK_ESCAPE) {
        quitButton->clicked = true;
    } else if (app.world.running) {
        if (sym == SDLK_SPACE) turboButton->clicked = true;
    } else {
        handleStoppedKey(sym);
    }
    return true;
}

void GameScreen::handleStoppedKey(int sym) {
    switch (sym) {
        case SDLK_t:
            thrustButton->clicked = true;
            return;
        case SDLK_l:
            leftButton->clicked = true;
            return;
        case SDLK_r:
            rightButton->clicked = true;
            return;
        case SDLK_w:
            waitButton->clicked = true;
            return;
        case SDLK_s:
            sleepButton->clicked = true;
            return;
        case SDLK_DELETE:
            delButton->clicked = true;
            return;
        case SDLK_PAGEUP:
            upButton->clicked = true;
            return;
        case SDLK_PAGEDOWN:
            downButton->clicked = true;
            return;
        case SDLK_b:
            loadBestProgram();
            return;
        case SDLK_F1:
            optimizeRequested = !optimizeRequested;
            return;
        default:
            break;
    }
    if (!app.world.rocket) return;
    // A command pressed in this same frame goes in first, so the digits
    // typed after it reach it, as they would a frame later.
    applyEdits();
    Program& program = app.world.rocket->program;
    int n = int(program.size());
    int& s = editor->selected;
    switch (sym) {
        case SDLK_UP:
            s = std::max(s - 1, 0);
            editor->digits.select(s);
            return;
        case SDLK_DOWN:
            s = std::min(s + 1, n);
            editor->digits.select(s);
            return;
        case SDLK_LEFT:
        case SDLK_MINUS:
        case SDLK_KP_MINUS:
            editor->digits.nudge(program, s, -1);
            return;
        case SDLK_RIGHT:
        case SDLK_PLUS:
        case SDLK_EQUALS:  // "+" without Shift
        case SDLK_KP_PLUS:
            editor->digits.nudge(program, s, +1);
            return;
        default:
            break;
    }
    if (s < 0 || s > n) return;
    if (sym == SDLK_BACKSPACE) {
        editor->digits.type(program, s, -1);
    } else if (sym >= SDLK_0 && sym <= SDLK_9) {
        editor->digits.type(program, s, sym - SDLK_0);
    } else if (sym >= SDLK_KP0 && sym <= SDLK_KP9) {
        editor->digits.type(program, s, sym - SDLK_KP0);
    }
}
