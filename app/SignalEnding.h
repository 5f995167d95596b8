#pragma once

#include <functional>

namespace vorlanda {

// SIGTERM and SIGINT for the window. Blocked in every thread from the start of the program,
// they reach only a thread of their own: the target's embedded engine never sees them (its
// own handlers would shut it down under the open connection, and the program would then
// spin in its final disconnect). BlockInterruptSignals must come first in main, before any
// thread starts.
void BlockInterruptSignals();

// From now on the first signal calls `onFirst` on the window's thread, through its event
// loop; a second one ends the process at once with status 130.
void EndOnSignals(std::function<void()> onFirst);

} // namespace vorlanda
