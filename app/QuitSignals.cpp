#include "app/QuitSignals.h"

#include <signal.h>

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t signalled = 0;

void onQuitSignal(int) { signalled = 1; }

}  // namespace

void catchQuitSignals() {
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int quit : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2})
        sigaction(quit, &action, nullptr);
    action.sa_handler = SIG_IGN;
    for (int failWrite : {SIGPIPE, SIGXFSZ}) sigaction(failWrite, &action, nullptr);
}

bool quitSignalled() { return signalled != 0; }
