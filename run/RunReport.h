#pragma once

#include "db/SourceConnection.h"
#include "writers/ConversionTally.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <utility>
#include <vector>

namespace vorlanda {

// What became of one ticked table in a run.
struct TableReport {
    enum class Status { NotRun, Ok, Failed, WouldFail };

    QString name; // as the window's box names it
    QString legacyTable;
    QString legacyKey; // the legacy column that tells its rows apart
    QString targetTable;
    // The rows each table the conversion writes held when the run ended with it, in the order
    // the conversion empties them; a table that could not be counted is left out.
    std::vector<std::pair<QString, int>> written;
    ConversionTally tally;
    double seconds = 0;
    Status status = Status::NotRun;
};

// The account of one run: when it went, on which target and source, the backup it made, the
// error that ended it and every ticked table in run order.
struct RunReport {
    bool check = false; // a rehearsal that kept nothing, listing what a run would fail on
    QDateTime start;
    QDateTime end;
    QString target;
    SourceParameters source;
    QString backup;   // empty when none was made
    QString error;    // empty when the run succeeded
    QString warnings; // the warnings' summary, empty when there were none
    std::vector<TableReport> tables;
};

// The report as indented JSON, keys as a reading script expects them.
QByteArray ReportJson(const RunReport& report);

// Writes the report's JSON to `file`, whole or not at all; a failure raises the system's error
// naming the file and the reason.
void WriteReport(const RunReport& report, const QString& file);

// What a check found, for the operator: a first line that says whether a run would go through,
// then each problem on a line of its own ("TBGRUPO CONTROLE 2005: Código 005 repetido: ...").
QString CheckListing(const RunReport& report);

// How many legacy rows and steps a check found a run would fail on.
int ProblemCount(const RunReport& report);

// A line per table for the operator: the legacy rows read, the rows written to each table,
// the rows skipped with why, the reference rows created and how many values were cut.
QString ReportSummary(const RunReport& report);

} // namespace vorlanda
