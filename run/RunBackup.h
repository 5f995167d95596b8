#pragma once

#include <QDateTime>
#include <QString>

namespace vorlanda {

class TargetDatabase;

// Where a run's backup goes: next to a target file, as "<file name>.<yyyy-MM-dd-HHmmss>.fbk";
// for a target on a server, whose folders this machine may not see, in `serverFolder` under
// the name of the server's file.
QString BackupFileFor(const QString& target, const QString& serverFolder, const QDateTime& at);

// Whether one of `tables` (names separated by commas) holds a row.
bool AnyHoldsRows(const QString& tables, TargetDatabase& database);

} // namespace vorlanda
