#include "app/FramePacer.h"

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/Clock.h"

namespace {

constexpr double unknownRate = 60.0;  // frames per second
constexpr int lowestRate = 24;        // below or above these a report is taken for noise
constexpr int highestRate = 500;

void sleepSeconds(double seconds) {
    timespec pause;
    pause.tv_sec = time_t(seconds);
    pause.tv_nsec = long((seconds - double(pause.tv_sec)) * 1e9);
    // A signal cuts the sleep short: the frame just comes early.
    nanosleep(&pause, nullptr);
}

// The window library's 1.2 interface cannot tell the refresh rate; where it
// runs on SDL 2 (the compatibility layer), SDL 2 can. 0 when unknown.
int reportedDisplayRate() {
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!sdl2) return 0;
    struct DisplayMode {  // SDL 2's SDL_DisplayMode
        uint32_t format;
        int w;
        int h;
        int refreshRate;
        void* driverData;
    };
    using GetMode = int (*)(int, DisplayMode*);
    auto getMode = reinterpret_cast<GetMode>(dlsym(sdl2, "SDL_GetCurrentDisplayMode"));
    DisplayMode mode{};
    int rate = getMode && getMode(0, &mode) == 0 ? mode.refreshRate : 0;
    dlclose(sdl2);
    return rate;
}

}  // namespace

FramePacer::FramePacer(double framesPerSecond)
    : period(framesPerSecond > 0.0 ? 1.0 / framesPerSecond : 0.0) {}

double FramePacer::restAfterSwap(double now) {
    if (period <= 0.0) return 0.0;
    double turn = nextTurn < 0.0 ? now : nextTurn + period;
    if (nextTurn < 0.0 || now >= turn) {
        nextTurn = now;
        return 0.0;
    }
    nextTurn = turn;
    return turn - now;
}

void FramePacer::pace() {
    double rest = restAfterSwap(secondsSinceStart());
    if (rest > 0.0) sleepSeconds(rest);
}

double pacingRate(int reportedRate) {
    if (reportedRate < lowestRate || reportedRate > highestRate) return unknownRate;
    return double(reportedRate);
}

double gameFrameRate() {
    const char* setting = std::getenv("ASTRELLO_FRAME_PACING");
    if (setting && std::strcmp(setting, "off") == 0) return 0.0;
    return pacingRate(reportedDisplayRate());
}
