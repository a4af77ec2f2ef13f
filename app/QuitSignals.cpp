#include "app/QuitSignals.h"

#include <signal.h>

#include <csignal>

namespace {

volatile std::sig_atomic_t signalled = 0;

void onQuitSignal(int) { signalled = 1; }

}  // namespace

void catchQuitSignals() {
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool quitSignalled() { return signalled != 0; }
