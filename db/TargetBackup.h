#pragma once

#include <QString>

namespace vorlanda {

class TargetDatabase;

// Writes a backup of the target that the standard tools restore (gbak -c) to `file` on this
// machine. The engine's backup service makes it and streams it here, so the same call serves a
// file the embedded engine opens and a "host:path" on a server. A service that refuses or fails
// raises Error with the engine's message; a file that cannot be written raises Error naming it.
// An incomplete file is removed.
void BackUpTarget(const TargetDatabase& database, const QString& file);

} // namespace vorlanda
