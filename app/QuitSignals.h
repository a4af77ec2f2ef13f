#pragma once

// The signals that end a program (SIGTERM, SIGINT, SIGHUP from a closed
// terminal, SIGQUIT, SIGUSR1, SIGUSR2) only raise a flag; the main loop sees
// it and ends the program through the normal shutdown, so the scores and the
// program being edited are still saved. A closed pipe or a file-size limit
// makes a write fail instead of ending the game.
void catchQuitSignals();
bool quitSignalled();
