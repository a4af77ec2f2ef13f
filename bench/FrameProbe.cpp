// Preloaded into a program under measurement: at its first swapped frame it
// notes the monotonic time, and at frame ASTRELLO_PROBE_FRAMES (default 1) its
// peak resident memory; it writes "SECONDS KILOBYTES" to the file named by
// ASTRELLO_PROBE_OUT and ends the process.
//
// With ASTRELLO_PROBE_IDLE=SECONDS it watches an idle game instead: at the
// first frame it presses Space (the intro gives way to the main menu), lets
// the menu settle for a second, then counts the frames swapped and the
// processor time the process uses over SECONDS; it writes "FRAMES CPU WALL"
// (seconds) and ends the process.
#include <SDL/SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

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

void pressSpace() {
    using Push = int (*)(SDL_Event*);
    auto push = reinterpret_cast<Push>(dlsym(RTLD_DEFAULT, "SDL_PushEvent"));
    if (!push) return;
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = SDLK_SPACE;
    event.key.keysym.unicode = ' ';
    push(&event);
}

void writeAndEnd(const char* format, double a, double b, double c) {
    const char* out = getenv("ASTRELLO_PROBE_OUT");
    if (FILE* file = out ? fopen(out, "w") : nullptr) {
        fprintf(file, format, a, b, c);
        fclose(file);
    }
    _exit(0);
}

// The idle watch, at every swap.
void watchIdle(double seconds) {
    const double settle = 1.0;
    static double firstFrame = -1.0, start = -1.0, startCpu = 0.0;
    static long frames = 0;
    double now = monotonicSeconds();
    if (firstFrame < 0.0) {
        firstFrame = now;
        pressSpace();
        return;
    }
    if (start < 0.0) {
        if (now - firstFrame < settle) return;
        start = now;
        startCpu = processCpuSeconds();
        return;
    }
    ++frames;
    if (now - start >= seconds)
        writeAndEnd("%.0f %.6f %.6f\n", double(frames), processCpuSeconds() - startCpu, now - start);
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
    if (const char* idle = getenv("ASTRELLO_PROBE_IDLE")) {
        watchIdle(atof(idle));
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
