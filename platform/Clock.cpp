#include "platform/Clock.h"

#include <time.h>

double secondsSinceStart() {
    static bool baseTaken = false;
    static timespec base;
    if (!baseTaken) {
        baseTaken = true;
        clock_gettime(CLOCK_MONOTONIC, &base);
    }
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - base.tv_sec) + double(now.tv_nsec - base.tv_nsec) * 1e-9;
}
