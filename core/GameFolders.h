#pragma once

#include <iosfwd>
#include <string>

// Where the game reads its data and keeps the player's files.
//
// Run from the source tree, everything is in the working directory, as it
// always was. Installed (the executable has ../share/astrello beside it),
// the data comes from that folder, so a moved install still finds it, and
// the player's files go to the XDG folders: options in
// $XDG_CONFIG_HOME/astrello, scores and custom missions in
// $XDG_DATA_HOME/astrello.
struct GameFolders {
    // An empty folder is the working directory, and names stay as they are.
    std::string data;    // images/, models/ and the mission files
    std::string config;  // "options.dat"
    std::string save;    // "save.dat" and custom missions
    bool installed = false;
    // Set when the folder could not be found at all (no home folder): then
    // nothing is read from or written to it.
    bool configUnknown = false;
    bool saveUnknown = false;
    // Cleared by prepareGameFolders() when the save folder cannot be written.
    bool canSave = true;

    // Paths of files by their names inside each folder. An absolute name is
    // kept as it is. In a folder that could not be found these give "",
    // which no file call opens.
    std::string dataFile(const std::string& name) const;
    std::string configFile(const std::string& name) const;
    std::string saveFile(const std::string& name) const;
};

// What the player asked for on the command line; empty means the default.
struct FolderOverrides {
    std::string dataDir;
    std::string saveDir;  // also takes "options.dat"
};

// The parts of the process's surroundings the choice depends on.
struct FolderEnvironment {
    std::string executableDir;  // absolute folder of the running program, "" if unknown
    std::string home;           // $HOME, or the password entry's home
    std::string xdgConfigHome;  // as set; a relative value is ignored
    std::string xdgDataHome;
};

GameFolders chooseGameFolders(const FolderEnvironment& env, const FolderOverrides& overrides);
// The running process's own environment.
FolderEnvironment currentFolderEnvironment();

// Creates the config and save folders (mode 0700) where needed and checks
// that they can be written; each failure writes an "ERROR: " line to `log`,
// and a save folder that cannot be used clears `folders.canSave`.
void prepareGameFolders(GameFolders& folders, std::ostream& log);

// The path of the file `name` in `folder`: "" is the working directory, and
// an absolute name is kept as it is.
std::string fileIn(const std::string& folder, const std::string& name);

// The folder as a person should read it: the working directory spelled out.
std::string shownFolder(const std::string& folder);
