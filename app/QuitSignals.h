#pragma once

// SIGTERM and SIGINT only raise a flag; the main loop sees it and ends the
// program through the normal shutdown, so the scores are still saved.
void catchQuitSignals();
bool quitSignalled();
