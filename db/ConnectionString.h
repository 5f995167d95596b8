#pragma once

#include <QString>
#include <optional>

namespace vorlanda {

// Whether a target database name goes through a Firebird server ("host:path", "host/port:path",
// "inet://...", "\\host\path") rather than being opened by the embedded engine in this process.
// A single letter before the colon is a Windows drive, and a colon in a path from the root
// belongs to a file or folder name.
bool ThroughServer(const QString& databaseName);

// A "host[/port]:path" name split into its server ("host[/port]") and the path the server
// knows; nothing for a file of this machine or another way of naming a server.
struct ServerPath {
    QString server;
    QString path;
};
std::optional<ServerPath> SplitServerPath(const QString& databaseName);

} // namespace vorlanda
