#include "app/SignalEnding.h"

#include <QCoreApplication>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace vorlanda {

namespace {

sigset_t InterruptSignals() {
    sigset_t interrupts;
    sigemptyset(&interrupts);
    sigaddset(&interrupts, SIGTERM);
    sigaddset(&interrupts, SIGINT);
    return interrupts;
}

} // namespace

void BlockInterruptSignals() {
    const sigset_t interrupts = InterruptSignals();
    pthread_sigmask(SIG_BLOCK, &interrupts, nullptr);
}

void EndOnSignals(std::function<void()> onFirst) {
    std::thread([onFirst = std::move(onFirst)] {
        const sigset_t interrupts = InterruptSignals();
        int signal = 0;
        sigwait(&interrupts, &signal);
        QMetaObject::invokeMethod(qApp, onFirst, Qt::QueuedConnection);
        sigwait(&interrupts, &signal);
        _exit(130);
    }).detach();
}

} // namespace vorlanda
