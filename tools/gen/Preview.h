#pragma once

#include <string>

// Writes pictures for checking the data by eye into folder: sample text in
// both fonts at the game's layout, and the models with their skins as the
// game shows them. Returns false (after an "ERROR: " line) on failure.
bool writePreviews(const std::string& folder);
