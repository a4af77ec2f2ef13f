#include "app/CommandLine.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "render/AssetCheck.h"

#ifndef ASTRELLO_VERSION
#define ASTRELLO_VERSION "unknown"
#endif

namespace {

const char* const usage =
    "usage: astrello [--data-dir DIR] [--save-dir DIR] [--paths] [--help] [--version]\n"
    "       astrello [--data-dir DIR] --check-assets\n";

const char* const help =
    "Astrello: write a flight program and fly it through 21 missions of orbital mechanics.\n"
    "\n"
    "  --data-dir DIR  read the images, models and missions from DIR\n"
    "  --save-dir DIR  keep save.dat, custom missions and options.dat in DIR\n"
    "  --paths         print the folders in use and exit\n"
    "  --check-assets  check every image, font sheet and model, and exit\n"
    "  --help          print this help and exit\n"
    "  --version       print the version and exit\n"
    "\n"
    "Installed, the game keeps options.dat in $XDG_CONFIG_HOME/astrello\n"
    "(~/.config/astrello) and save.dat in $XDG_DATA_HOME/astrello\n"
    "(~/.local/share/astrello). Run from its source tree, it keeps them in the\n"
    "folder it is started in.\n";

// The value of a folder option: "--name=VALUE" or the next argument.
bool takeFolder(const char* name, int argc, const char* const* argv, int& i, std::string& value,
                std::string& error) {
    size_t length = std::strlen(name);
    const char* arg = argv[i];
    if (std::strncmp(arg, name, length) != 0) return false;
    if (arg[length] == '=') {
        value = arg + length + 1;
    } else if (arg[length] != '\0') {
        return false;
    } else if (i + 1 < argc) {
        value = argv[++i];
    } else {
        value.clear();
    }
    if (value.empty()) error = std::string(name) + " needs a folder";
    return true;
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        std::string arg = argv[i];
        if (takeFolder("--data-dir", argc, argv, i, line.folders.dataDir, line.error) ||
            takeFolder("--save-dir", argc, argv, i, line.folders.saveDir, line.error)) {
            continue;
        }
        if (arg == "--paths") {
            line.showPaths = true;
        } else if (arg == "--help" || arg == "-h") {
            line.showHelp = true;
        } else if (arg == "--version") {
            line.showVersion = true;
        } else if (arg == "--check-assets") {
            line.checkAssets = true;
        } else if (!arg.empty() && arg[0] == '-') {
            line.error = "unknown option " + arg;
        } else {
            line.error = "unexpected argument " + arg;
        }
    }
    return line;
}

int answerCommandLine(const CommandLine& line, const GameFolders& folders) {
    if (!line.error.empty()) {
        std::printf("ERROR: %s.\n%s", line.error.c_str(), usage);
        return 2;
    }
    if (line.showHelp) {
        std::printf("%s\n%s", usage, help);
        return 0;
    }
    if (line.showVersion) {
        std::printf("astrello %s\n", ASTRELLO_VERSION);
        return 0;
    }
    if (line.showPaths) {
        std::printf("data: %s\n", shownFolder(folders.data).c_str());
        std::printf("config: %s\n",
                    folders.configUnknown ? "(no home folder)" : shownFolder(folders.config).c_str());
        std::printf("save: %s\n",
                    folders.saveUnknown ? "(no home folder)" : shownFolder(folders.save).c_str());
        return 0;
    }
    if (line.checkAssets) return checkAssetsCommand(folders.data, std::cout);
    return -1;
}
