// Preloaded into a program under measurement: at its first swapped frame it
// notes the monotonic time, and at frame ASTRELLO_PROBE_FRAMES (default 1) its
// peak resident memory; it writes "SECONDS KILOBYTES" to the file named by
// ASTRELLO_PROBE_OUT and ends the process.
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
    if (++frames == 1) firstFrame = monotonicSeconds();
    if (frames < framesToRun()) return;
    const char* out = getenv("ASTRELLO_PROBE_OUT");
    if (FILE* file = out ? fopen(out, "w") : nullptr) {
        fprintf(file, "%.9f %ld\n", firstFrame, peakResidentKilobytes());
        fclose(file);
    }
    _exit(0);
}
