#pragma once

namespace vorlanda {

// Once the target's client library is in use, it catches SIGINT and SIGTERM itself and shuts
// its engine down under whatever is running. From this call on it calls `onSignal` instead,
// with the number of such signals received so far, and leaves its engine alone. The call comes
// on a thread of the library, not inside the signal handler. Before the library is first used
// the process keeps its own handling of those signals. Raises Error when the library refuses.
void RedirectInterruptSignals(void (*onSignal)(int count));

} // namespace vorlanda
