#pragma once

#include <functional>

namespace vorlanda {

// SIGINT and SIGTERM, blocked in every thread from the start of the program, reach only a
// thread of their own. The target's embedded engine installs handlers of its own for them,
// which shut it down under the open connection (a run then reports what it should not, and
// the program spins in its last disconnect); blocked, they never reach it.
// BlockInterruptSignals must come first in main, before any thread starts.
void BlockInterruptSignals();

// From now on each of these signals calls `onSignal` on that thread with the number received
// so far: not inside a signal handler, but not on the program's main thread either.
void HandleInterruptSignals(std::function<void(int count)> onSignal);

} // namespace vorlanda
