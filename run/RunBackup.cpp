#include "run/RunBackup.h"

#include "db/ConnectionString.h"
#include "db/TargetQuery.h"
#include "run/RunTables.h"

#include <QDir>
#include <algorithm>

namespace vorlanda {

QString BackupFileFor(const QString& target, const QString& serverFolder, const QDateTime& at) {
    const QString suffix =
        u'.' + at.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + QStringLiteral(".fbk");
    if (!ThroughServer(target))
        return target + suffix;
    // The server's path ends the name whatever the separators it uses.
    const std::optional<ServerPath> served = SplitServerPath(target);
    const QString path = served ? served->path : target;
    const QString fileName =
        path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    return QDir(serverFolder).filePath(fileName + suffix);
}

std::vector<HeldRows> RowsToEmpty(const std::vector<const RunTable*>& tables,
                                  TargetDatabase& database) {
    std::vector<HeldRows> held;
    TargetQuery count(database);
    for (const RunTable* table : tables) {
        for (const QString& name : QString::fromUtf16(table->emptiedTables).split(u',')) {
            count.SetSQL(QStringLiteral("SELECT COUNT(*) AS QUANTOS FROM ") + name);
            count.Open();
            if (const int rows = count.FieldByName(QStringLiteral("QUANTOS")).AsInteger(); rows > 0)
                held.push_back({name, rows});
        }
    }
    return held;
}

} // namespace vorlanda
