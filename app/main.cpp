#include <cstdio>

#include "app/Application.h"

int main(int, char**) {
    // Line-buffered even into a pipe, so each message is seen as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    initialize();
    mainLoop();
    shutdown();
    return 0;
}
