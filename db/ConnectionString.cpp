#include "db/ConnectionString.h"

namespace vorlanda {

bool ThroughServer(const QString& databaseName) {
    if (databaseName.startsWith(QLatin1String("\\\\")) || databaseName.contains(u"://"))
        return true;
    if (databaseName.startsWith(u'/'))
        return false;
    return databaseName.indexOf(u':') > 1;
}

} // namespace vorlanda
