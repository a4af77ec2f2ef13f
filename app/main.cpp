#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/Application.h"
#include "render/AssetCheck.h"

int main(int argc, char** argv) {
    // --check-assets: checks every image, font sheet and model without a window.
    if (argc >= 2 && std::strcmp(argv[1], "--check-assets") == 0)
        return checkAssetsCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout,
                                  std::cerr);
    // Line-buffered even into a pipe, so each message is seen as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    initialize();
    mainLoop();
    shutdown();
    return 0;
}
