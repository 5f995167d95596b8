#pragma once

#include <QString>

namespace vorlanda {

// The operator's request to stop the run: raised by the runner's signals (or a window's
// "Cancelar"), honoured where the run processes pending events and before its final commit,
// so that it ends like a failed run. Safe to raise from any thread; the reason is the error's
// text and must live as long as the program.
void RequestInterruption(const char16_t* reason) noexcept;
bool InterruptionRequested() noexcept;
// The reason given with the request; empty without one.
QString InterruptionReason();
void ClearInterruption() noexcept;

// Raises the error that ends an interrupted run, with the reason given; nothing otherwise.
void EndIfInterrupted();

} // namespace vorlanda
