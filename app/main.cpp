#include <cstdio>
#include <iostream>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "core/GameFolders.h"

int main(int argc, char** argv) {
    // Line-buffered even into a pipe, so each message is seen as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    CommandLine line = parseCommandLine(argc, argv);
    GameFolders folders = chooseGameFolders(currentFolderEnvironment(), line.folders);
    int answered = answerCommandLine(line, folders);
    if (answered >= 0) return answered;
    prepareGameFolders(folders, std::cout);
    Application game(folders);
    game.start();
    game.run();
    game.shutdown();
    return 0;
}
