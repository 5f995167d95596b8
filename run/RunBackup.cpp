#include "run/RunBackup.h"

#include "db/ConnectionString.h"
#include "db/TargetQuery.h"
#include "run/RunTables.h"

#include <QDir>
#include <algorithm>

namespace vorlanda {

namespace {

QString RunFileFor(const QString& target, const QString& serverFolder, const QDateTime& at,
                   QStringView extension) {
    const QString suffix =
        u'.' + at.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + u'.' + extension.toString();
    if (!ThroughServer(target))
        return target + suffix;
    // The server's path ends the name whatever the separators it uses.
    const std::optional<ServerPath> served = SplitServerPath(target);
    const QString path = served ? served->path : target;
    const QString fileName =
        path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    return QDir(serverFolder).filePath(fileName + suffix);
}

} // namespace

QString BackupFileFor(const QString& target, const QString& serverFolder, const QDateTime& at) {
    return RunFileFor(target, serverFolder, at, u"fbk");
}

QString ReportFileFor(const QString& target, const QString& serverFolder, const QDateTime& at) {
    return RunFileFor(target, serverFolder, at, u"json");
}

QString CheckReportFileFor(const QString& target, const QString& serverFolder,
                           const QDateTime& at) {
    return RunFileFor(target, serverFolder, at, u"verificacao.json");
}

int RowsIn(TargetDatabase& database, const QString& table) {
    TargetQuery count(database);
    count.SetSQL(QStringLiteral("SELECT COUNT(*) AS QUANTOS FROM ") + table);
    count.Open();
    return count.FieldByName(QStringLiteral("QUANTOS")).AsInteger();
}

std::vector<HeldRows> RowsToEmpty(const std::vector<const RunTable*>& tables,
                                  TargetDatabase& database) {
    std::vector<HeldRows> held;
    for (const RunTable* table : tables) {
        for (const QString& name : QString::fromUtf16(table->emptiedTables).split(u',')) {
            if (const int rows = RowsIn(database, name); rows > 0)
                held.push_back({name, rows});
        }
    }
    return held;
}

} // namespace vorlanda
