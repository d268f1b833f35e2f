#include "sim/stop_wait.h"

#include <signal.h>

static sigset_t stop_signals;

bool stop_wait_prepare() {
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    // Blocked here, the signals stay pending for sigwait; threads started
    // later inherit the mask and never see them.
    return pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr) == 0;
}

void stop_wait() {
    int signal_number = 0;
    while (sigwait(&stop_signals, &signal_number) != 0) {}
}

void stop_wait_done() {}
