#pragma once

#include <string>

#include "core/GameFolders.h"

// The game's command line: folder overrides and the options that only
// print something.
struct CommandLine {
    FolderOverrides folders;
    bool showPaths = false;
    bool showHelp = false;
    bool showVersion = false;
    bool checkAssets = false;
    std::string error;  // what was not understood; "" when all was
};

// Accepts "--data-dir DIR", "--data-dir=DIR", the same for --save-dir, and
// --paths, --help, --version and --check-assets. Anything else is an error.
CommandLine parseCommandLine(int argc, const char* const* argv);

// Acts on a parsed line once the folders are chosen: prints the error with
// the usage, the help, the version or the folders, or checks the data files.
// Returns the exit code, or -1 when the game should start.
int answerCommandLine(const CommandLine& line, const GameFolders& folders);
