#include "run/RunBackup.h"

#include "db/ConnectionString.h"
#include "db/TargetQuery.h"

#include <QDir>
#include <QFileInfo>

namespace vorlanda {

QString BackupFileFor(const QString& target, const QString& serverFolder, const QDateTime& at) {
    const QString stamp = at.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    if (!ThroughServer(target))
        return target + u'.' + stamp + QStringLiteral(".fbk");
    // The server's path ends the name whatever the separators it uses.
    const qsizetype slash = std::max(target.lastIndexOf(u'/'), target.lastIndexOf(u'\\'));
    const qsizetype colon = target.indexOf(u':', 2);
    const QString fileName = target.mid(std::max(slash, colon) + 1);
    return QDir(serverFolder).filePath(fileName + u'.' + stamp + QStringLiteral(".fbk"));
}

bool AnyHoldsRows(const QString& tables, TargetDatabase& database) {
    TargetQuery query(database);
    for (const QString& table : tables.split(u',')) {
        query.SetSQL(QStringLiteral("SELECT FIRST 1 1 AS HA FROM ") + table);
        query.Open();
        if (!query.IsEmpty())
            return true;
    }
    return false;
}

} // namespace vorlanda
