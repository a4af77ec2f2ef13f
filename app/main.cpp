#include <cstdio>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "sim/GameFolders.h"

int main(int argc, char** argv) {
    // Line-buffered even into a pipe, so each message is seen as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    CommandLine line = parseCommandLine(argc, argv);
    gameFolders = chooseGameFolders(currentFolderEnvironment(), line.folders);
    int answered = answerCommandLine(line);
    if (answered >= 0) return answered;
    prepareGameFolders();
    initialize();
    mainLoop();
    shutdown();
    return 0;
}
