#include <cstdio>
#include <iostream>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "core/GameFolders.h"
#include "missions/Missions.h"
#include "render/DataFile.h"
#include "screens/GameScreen.h"

int main(int argc, char** argv) {
    // Line-buffered even into a pipe, so each message is seen as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    CommandLine line = parseCommandLine(argc, argv);
    app.folders = chooseGameFolders(currentFolderEnvironment(), line.folders);
    setDataFolder(app.folders.data);
    setCampaignFolder(app.folders.dataFile("campaign"));
    int answered = answerCommandLine(line, app.folders);
    if (answered >= 0) return answered;
    prepareGameFolders(app.folders, std::cout);
    app.scores = ScoreFile(app.folders.save, !app.folders.saveUnknown);
    GameScreen::keptProgramsFile = app.folders.saveFile("programs.dat");
    initialize();
    mainLoop();
    shutdown();
    return 0;
}
