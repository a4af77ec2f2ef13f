#include <algorithm>

#include "app/Button.h"
#include "screens/FlightPaths.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/Rocket.h"
#include "sim/World.h"

// Every key press is consumed; while running only Return, Escape and Space act.
// Keys set the same flags as the buttons, so both take the same path in update().
bool GameScreen::handleEvent(const InputEvent& event) {
    if (event.kind != InputEvent::KeyPress) return false;
    Key key = event.key;
    message.clear();  // a key is the player's next action
    if (optimizer) {
        // The program is the optimizer's until it is done: only leaving is possible.
        if (key == Key::Escape) quitButton->clicked = true;
        return true;
    }
    if (key == Key::P) {
        paths->togglePreview();
    } else if (key == Key::Return) {
        runButton->clicked = true;
    } else if (key == Key::Escape) {
        quitButton->clicked = true;
    } else if (world.running) {
        if (key == Key::Space) turboButton->clicked = true;
        if (key == Key::End) skipToEnd = true;
    } else {
        handleStoppedKey(key);
    }
    return true;
}

void GameScreen::handleStoppedKey(Key key) {
    switch (key) {
        case Key::T:
            thrustButton->clicked = true;
            return;
        case Key::L:
            leftButton->clicked = true;
            return;
        case Key::R:
            rightButton->clicked = true;
            return;
        case Key::W:
            waitButton->clicked = true;
            return;
        case Key::S:
            sleepButton->clicked = true;
            return;
        case Key::Delete:
            delButton->clicked = true;
            return;
        case Key::PageUp:
            upButton->clicked = true;
            return;
        case Key::PageDown:
            downButton->clicked = true;
            return;
        case Key::B:
            loadBestProgram();
            return;
        case Key::F1:
            optimizeRequested = !optimizeRequested;
            return;
        default:
            break;
    }
    if (!world.rocket) return;
    // A command pressed in this same frame goes in first, so the digits
    // typed after it reach it, as they would a frame later.
    applyEdits();
    const int n = int(world.rocket->program.size());
    int& s = editor->selected;
    switch (key) {
        case Key::Up:
            s = std::max(s - 1, 0);
            editor->reveal();
            return;
        case Key::Down:
            s = std::min(s + 1, n);
            editor->reveal();
            return;
        case Key::Left:
        case Key::Minus:
        case Key::KeypadMinus:
            editor->nudge(-1);
            return;
        case Key::Right:
        case Key::Plus:
        case Key::Equals:  // "+" without Shift
        case Key::KeypadPlus:
            editor->nudge(+1);
            return;
        case Key::Backspace:
            editor->eraseDigit();
            return;
        default:
            break;
    }
    if (typedDigit(key) >= 0) {
        editor->typeDigit(typedDigit(key));
    }
}
