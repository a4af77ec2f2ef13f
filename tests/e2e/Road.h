#pragma once

#include <map>
#include <memory>
#include <string>

#include "tests/support/GameSession.h"

// Steps of a player's road through the real game, shared by the end-to-end
// tests. Each checks what it can see on the way with gtest expectations.

std::string gameBinary();

// Starts the game on `display` and waits for its window (a test failure,
// with the game's output, if none comes).
std::unique_ptr<GameSession> startGame(const VirtualDisplay& display,
                                       const GameSetup& setup = GameSetup());

// The window as X shows it has this size.
void expectWindowSize(GameSession& game, int width, int height);

// From the intro: the main menu, the Cadet page and back, each seen in the
// window, so the keys reach the game and it draws (for a player without
// scores: the main menu shows three locked rank groups).
void expectMenusWork(GameSession& game);

// The parts of the game's error output that are sanitizer findings against
// the game: memory errors, undefined behaviour, and leaks of blocks the
// game's own code allocated. "" when there are none.
std::string sanitizerFindings(const std::string& errors);

// From the main menu: Escape quits; the game says goodbye, saves and ends
// with exit code 0 and no sanitizer finding.
void expectQuitsCleanly(GameSession& game);

// From the intro to the game screen of mission `row` (1-based, below
// "<- Back -<<") of the Cadet page.
void openCadetMission(GameSession& game, int row);

// The medal the completion screen shows in the middle of a window of this
// screenshot's size: "gold", "silver", "bronze" or "none", by its colour.
std::string medalShown(const Screenshot& shot);

// From the intro: flies "Thrust" with Thrust 1000, which wins after 351
// steps, and waits for the completion screen. Returns the medal it shows
// ("none" if it never came). Without the medal images there is nothing to
// see, and it just waits long enough for the flight.
std::string flyThrustToCompletion(GameSession& game, bool medalVisible = true);

// From the intro: flyThrustToCompletion, then dismisses the completion
// screen, which saves: "save.dat" then holds all 21 missions and the win.
// Ends on the game screen.
void winThrustAndSave(GameSession& game, bool medalVisible = true);

// Types a program on the game screen, e.g. "t 1 0 0 0 l 4 5". A command
// letter inserts its instruction at the next update, so the digits after it
// wait for that before they are typed.
void typeProgram(GameSession& game, const std::string& keys);

// A mission's stored best, as "save.dat" keeps it.
struct SavedBest {
    float score = 0.0f;
    std::string program;
};

// The bytes "save.dat" must hold, built from the layout: a little-endian
// int32 count, then per registered mission in byte-wise name order its name
// length and name, float32 best score, program length and program text.
std::string scoreFileLayout(const std::map<std::string, SavedBest>& bests);

// Reads a score file by the same layout; false if it is not whole.
bool readScoreFile(const std::string& bytes, std::map<std::string, SavedBest>& bests);
