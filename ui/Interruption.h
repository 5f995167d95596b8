#pragma once

namespace vorlanda {

// The operator's request to stop the run: raised by the runner's signals, asked where the run
// processes pending events, so that it ends at the next row like a failed run. Safe to raise
// from any thread.
void RequestInterruption() noexcept;
bool InterruptionRequested() noexcept;
void ClearInterruption() noexcept;

} // namespace vorlanda
