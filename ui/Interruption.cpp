#include "ui/Interruption.h"

#include <atomic>

namespace vorlanda {

namespace {

std::atomic<bool> requested{false};

} // namespace

void RequestInterruption() noexcept {
    requested = true;
}

bool InterruptionRequested() noexcept {
    return requested;
}

void ClearInterruption() noexcept {
    requested = false;
}

} // namespace vorlanda
