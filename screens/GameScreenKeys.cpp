#include <algorithm>

#include "app/Application.h"
#include "app/Button.h"
#include "screens/FlightPaths.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/Rocket.h"

// Every key press is consumed; while running only Return, Escape and Space act.
// Keys set the same flags as the buttons, so both take the same path in update().
bool GameScreen::handleEvent(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN) return false;
    int sym = event.key.keysym.sym;
    message.clear();  // a key is the player's next action
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
        if (sym == SDLK_END) skipToEnd = true;
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
    const int n = int(app.world.rocket->program.size());
    int& s = editor->selected;
    switch (sym) {
        case SDLK_UP:
            s = std::max(s - 1, 0);
            editor->reveal();
            return;
        case SDLK_DOWN:
            s = std::min(s + 1, n);
            editor->reveal();
            return;
        case SDLK_LEFT:
        case SDLK_MINUS:
        case SDLK_KP_MINUS:
            editor->nudge(-1);
            return;
        case SDLK_RIGHT:
        case SDLK_PLUS:
        case SDLK_EQUALS:  // "+" without Shift
        case SDLK_KP_PLUS:
            editor->nudge(+1);
            return;
        case SDLK_BACKSPACE:
            editor->eraseDigit();
            return;
        default:
            break;
    }
    if (sym >= SDLK_0 && sym <= SDLK_9) {
        editor->typeDigit(sym - SDLK_0);
    } else if (sym >= SDLK_KP0 && sym <= SDLK_KP9) {
        editor->typeDigit(sym - SDLK_KP0);
    }
}
