#pragma once

#include <cstdio>
#include <string>

#include "missions/Levels.h"

// The players' progress between runs: "save.dat" in the save folder,
// one record per registered mission (name, best score, best program text).

// Rewrites "save.dat" from the application's registry. The new file is
// written beside the old one and renamed over it, so a failed save never
// loses the scores already on disk.
void saveScores();
// Reads "save.dat" into the application's registry. A damaged file keeps the
// records before the first bad one and reports the rest with one error line.
void loadScores();

// The file's exact bytes for `levels`: little-endian int32 count, then per
// mission in registry order int32 name length, name, float32 best score,
// int32 program length, program text.
std::string scoreFileBytes(const LevelRegistry& levels);

// Longest name and program text a record may hold; anything longer is damage.
constexpr int32_t maxNameLength = 255;           // bytes
constexpr int32_t maxProgramLength = 64 * 1024;  // bytes; real bests can exceed 255

// Reads records from `file` into the missions of `levels` that they name.
// Returns an empty string when the whole file was sound, otherwise a
// description of the first bad record (the records before it are kept).
std::string readScoreRecords(std::FILE* file, LevelRegistry& levels);
