#include "db/InterruptSignals.h"

#include "db/Error.h"

#include <QString>
#include <atomic>
#include <ibase.h>

namespace vorlanda {

namespace {

std::atomic<void (*)(int)> handler{nullptr};
std::atomic<int> received{0};

// Asked before every shutdown of the library; a non-zero answer calls the shutdown off. Only
// a signal is answered so: a shutdown at exit must go on.
int ConfirmShutdown(const int reason, const int, void*) {
    if (reason != fb_shutrsn_signal)
        return 0;
    handler.load()(++received);
    return 1;
}

} // namespace

void RedirectInterruptSignals(void (*onSignal)(int count)) {
    handler = onSignal;
    ISC_STATUS_ARRAY status{};
    if (fb_shutdown_callback(status, ConfirmShutdown, fb_shut_confirmation, nullptr) == 0)
        return;
    char text[1024];
    const ISC_STATUS* next = status;
    QString message;
    while (fb_interpret(text, sizeof text, &next) > 0)
        message += (message.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromUtf8(text);
    throw Error(message, static_cast<long>(status[1]));
}

} // namespace vorlanda
