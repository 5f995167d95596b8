#pragma once

#include "db/SourceConnection.h"
#include "support/LegacyDatabase.h"

#include <functional>

// A legacy database with three product groups and 3,000 fiscal classifications whose row 2,000
// waits for a lock the test holds: a run of both tables stops there, with the groups committed
// and the classifications half read, as it would on a source that stopped answering.
class StalledLegacy {
public:
    StalledLegacy();

    const QString& Name() const { return legacy_.Name(); }
    vorlanda::SourceParameters Parameters() const { return legacy_.Parameters(); }

    // Waits until the run waits on the lock, calling keepWaiting between looks; false when it
    // said to give up first.
    bool AwaitStall(const std::function<bool()>& keepWaiting);
    // Whether the test's connection still holds the lock, so the run has not read past row 2,000.
    bool Holding();

    // The source answers again: the connection that holds the lock goes.
    void Release() { holder_.Close(); }

private:
    LegacyDatabase legacy_;
    vorlanda::SourceConnection holder_{legacy_.Parameters()};
    vorlanda::SourceConnection watcher_{legacy_.Parameters()};
};
