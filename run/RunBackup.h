#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

namespace vorlanda {

struct RunTable;
class TargetDatabase;

// Where a run's backup goes: next to a target file, as "<file name>.<yyyy-MM-dd-HHmmss>.fbk";
// for a target on a server, whose folders this machine may not see, in `serverFolder` under
// the name of the server's file.
QString BackupFileFor(const QString& target, const QString& serverFolder, const QDateTime& at);

// Where a run's report goes: beside its backup, named alike, as "<file name>.<...>.json".
QString ReportFileFor(const QString& target, const QString& serverFolder, const QDateTime& at);

// Where a check's report goes: as a run's, named "<file name>.<...>.verificacao.json".
QString CheckReportFileFor(const QString& target, const QString& serverFolder, const QDateTime& at);

// The rows a target table holds now.
int RowsIn(TargetDatabase& database, const QString& table);

// A target table a run would empty, with the rows it holds now.
struct HeldRows {
    QString table;
    int rows;
};

// The target tables that a run of `tables` empties and that hold rows, in run order: what the
// run destroys, which a backup keeps and the operator is asked about.
std::vector<HeldRows> RowsToEmpty(const std::vector<const RunTable*>& tables,
                                  TargetDatabase& database);

} // namespace vorlanda
