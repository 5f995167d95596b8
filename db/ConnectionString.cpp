#include "db/ConnectionString.h"

namespace vorlanda {

bool ThroughServer(const QString& databaseName) {
    if (databaseName.startsWith(QLatin1String("\\\\")) || databaseName.contains(u"://"))
        return true;
    if (databaseName.startsWith(u'/'))
        return false;
    return databaseName.indexOf(u':') > 1;
}

std::optional<ServerPath> SplitServerPath(const QString& databaseName) {
    if (!ThroughServer(databaseName) || databaseName.startsWith(QLatin1String("\\\\")) ||
        databaseName.contains(u"://"))
        return std::nullopt;
    const qsizetype colon = databaseName.indexOf(u':', 2);
    return ServerPath{databaseName.left(colon), databaseName.mid(colon + 1)};
}

} // namespace vorlanda
