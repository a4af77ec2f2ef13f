// Preloaded into a program under measurement: at its first swapped frame it
// notes the monotonic time, and at frame ASTRELLO_PROBE_FRAMES (default 1) its
// peak resident memory; it writes "SECONDS KILOBYTES" to the file named by
// ASTRELLO_PROBE_OUT and ends the process.
//
// With ASTRELLO_PROBE_IDLE=SECONDS it watches an idle game instead: it
// presses the keys ASTRELLO_PROBE_KEYS names (default "space": the intro
// gives way to the main menu), one every 0.6 s, lets the screen settle for
// 1.5 s, then counts the frames swapped and the processor time the process
// uses over SECONDS; it writes "FRAMES CPU WALL" (seconds) and ends the
// process. It keeps time in the event loop, which turns even when no frame
// is drawn.
#include <SDL/SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

namespace {

double monotonicSeconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

long peakResidentKilobytes() {
    FILE* status = fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kilobytes = -1;
    while (fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmHWM:", 6) == 0) kilobytes = strtol(line + 6, nullptr, 10);
    }
    fclose(status);
    return kilobytes;
}

double processCpuSeconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void pressKey(SDLKey key) {
    using Push = int (*)(SDL_Event*);
    static auto push = reinterpret_cast<Push>(dlsym(RTLD_DEFAULT, "SDL_PushEvent"));
    if (!push) return;
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.unicode = key < 128 ? Uint16(key) : 0;
    push(&event);
}

// "space", "Return", "Down", "Up", "Escape" or a lower-case letter or digit.
SDLKey keyNamed(const std::string& name) {
    if (name == "space") return SDLK_SPACE;
    if (name == "Return") return SDLK_RETURN;
    if (name == "Down") return SDLK_DOWN;
    if (name == "Up") return SDLK_UP;
    if (name == "Escape") return SDLK_ESCAPE;
    return name.size() == 1 ? SDLKey(name[0]) : SDLK_UNKNOWN;
}

std::vector<SDLKey> keysToPress() {
    const char* text = getenv("ASTRELLO_PROBE_KEYS");
    std::istringstream names(text ? text : "space");
    std::vector<SDLKey> keys;
    for (std::string name; names >> name;) keys.push_back(keyNamed(name));
    return keys;
}

void writeAndEnd(const char* format, double a, double b, double c) {
    const char* out = getenv("ASTRELLO_PROBE_OUT");
    if (FILE* file = out ? fopen(out, "w") : nullptr) {
        fprintf(file, format, a, b, c);
        fclose(file);
    }
    _exit(0);
}

long idleFrames = 0;  // swapped since the idle watch began to count

// The idle watch, at every turn of the event loop.
void watchIdle(double seconds) {
    const double keyGap = 0.6, settle = 1.5;
    static const std::vector<SDLKey> keys = keysToPress();
    static double firstTurn = -1.0, start = -1.0, startCpu = 0.0;
    static size_t pressed = 0;
    double now = monotonicSeconds();
    if (firstTurn < 0.0) firstTurn = now;
    if (pressed < keys.size()) {
        if (now - firstTurn >= keyGap * double(pressed + 1)) pressKey(keys[pressed++]);
        return;
    }
    if (start < 0.0) {
        if (now - firstTurn < keyGap * double(keys.size()) + settle) return;
        start = now;
        startCpu = processCpuSeconds();
        idleFrames = 0;
        return;
    }
    if (now - start >= seconds)
        writeAndEnd("%.0f %.6f %.6f\n", double(idleFrames), processCpuSeconds() - startCpu,
                    now - start);
}

int framesToRun() {
    const char* text = getenv("ASTRELLO_PROBE_FRAMES");
    int frames = text ? atoi(text) : 1;
    return frames < 1 ? 1 : frames;
}

}  // namespace

extern "C" void SDL_GL_SwapBuffers() {
    using Swap = void (*)();
    static Swap realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    static int frames = 0;
    static double firstFrame = 0.0;
    if (realSwap) realSwap();
    if (getenv("ASTRELLO_PROBE_IDLE")) {
        ++idleFrames;
        return;
    }
    if (++frames == 1) firstFrame = monotonicSeconds();
    if (frames < framesToRun()) return;
    const char* out = getenv("ASTRELLO_PROBE_OUT");
    if (FILE* file = out ? fopen(out, "w") : nullptr) {
        fprintf(file, "%.9f %ld\n", firstFrame, peakResidentKilobytes());
        fclose(file);
    }
    _exit(0);
}

extern "C" int SDL_PollEvent(SDL_Event* event) {
    using Poll = int (*)(SDL_Event*);
    static Poll realPoll = reinterpret_cast<Poll>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    static const char* idle = getenv("ASTRELLO_PROBE_IDLE");
    if (idle) watchIdle(atof(idle));
    return realPoll ? realPoll(event) : 0;
}
