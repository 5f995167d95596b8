#include "ui/InterruptSignals.h"

#include <csignal>
#include <pthread.h>
#include <thread>

namespace vorlanda {

namespace {

sigset_t InterruptSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

void BlockInterruptSignals() {
    const sigset_t set = InterruptSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void HandleInterruptSignals(std::function<void(int count)> onSignal) {
    std::thread([onSignal = std::move(onSignal)] {
        const sigset_t set = InterruptSignalSet();
        for (int count = 1;; ++count) {
            int received = 0;
            if (sigwait(&set, &received) != 0)
                return;
            onSignal(count);
        }
    }).detach();
}

} // namespace vorlanda
