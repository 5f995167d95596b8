#pragma once

#include <QString>

namespace vorlanda {

// Whether a target database name goes through a Firebird server ("host:path", "host/port:path",
// "inet://...", "\\host\path") rather than being opened by the embedded engine in this process.
// A single letter before the colon is a Windows drive, and a colon in a path from the root
// belongs to a file or folder name.
bool ThroughServer(const QString& databaseName);

} // namespace vorlanda
