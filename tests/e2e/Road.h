#pragma once

#include <memory>
#include <string>

#include "tests/support/GameSession.h"

// Steps of a player's road through the real game, shared by the end-to-end
// tests. Each checks what it can see on the way with gtest expectations.

// Starts the game on a private X server and waits for its window.
std::unique_ptr<GameSession> startGame(const GameSetup& setup = GameSetup());

// The window as X shows it has this size.
void expectWindowSize(GameSession& game, int width, int height);

// From the intro: the main menu, the Cadet page and back, each seen in the
// window (for a player without scores the main menu shows three locked
// rank groups in red).
void expectMenusWork(GameSession& game);

// The parts of the game's error output that are sanitizer findings against
// the game: memory errors, undefined behaviour, and leaks of blocks the
// game's own code allocated. "" when there are none.
std::string sanitizerFindings(const std::string& errors);

// From the main menu (or a screen or two above it): Escape until the game
// quits; it says goodbye, saves and ends with exit code 0 and no finding.
void expectQuitsCleanly(GameSession& game);

// From the intro to the game screen of the Cadet page's first mission,
// "Thrust", with `thrusts` Thrust commands of value `digits` typed.
void openThrustWith(GameSession& game, const std::string& digits, int thrusts = 1);

// The medal the completion screen shows in the middle of the window, by its
// colour: "gold", "silver", "bronze" or "none".
std::string medalShown(const Screenshot& shot);

// From the intro: flies "Thrust" with Thrust `digits` (at turbo speed if
// asked), sees `medal` on the completion screen ("" for none: without the
// images there is nothing to see), dismisses it, which saves, and checks that
// "save.dat" then holds exactly that win. Ends on the mission menu.
void winThrust(GameSession& game, const std::string& digits, const std::string& medal,
               bool turbo = false);

// The score of `program` on "Thrust", as the simulation flies it.
float thrustScore(const std::string& program);

// The bytes of "save.dat" with every mission unwon but `mission`, if given.
std::string scoreFile(const std::string& mission = "", float best = 0.0f,
                      const std::string& program = "");
