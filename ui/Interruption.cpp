#include "ui/Interruption.h"

#include "db/Error.h"

#include <QString>
#include <atomic>

namespace vorlanda {

namespace {

std::atomic<const char16_t*> requested{nullptr};

} // namespace

void RequestInterruption(const char16_t* reason) noexcept {
    requested = reason;
}

bool InterruptionRequested() noexcept {
    return requested != nullptr;
}

QString InterruptionReason() {
    const char16_t* reason = requested;
    return reason ? QString::fromUtf16(reason) : QString();
}

void ClearInterruption() noexcept {
    requested = nullptr;
}

void EndIfInterrupted() {
    if (const char16_t* reason = requested)
        throw Error(QString::fromUtf16(reason));
}

} // namespace vorlanda
