#include "run/LegacyCounts.h"

#include "db/SourceQuery.h"
#include "run/RunTables.h"

namespace vorlanda {

std::vector<LegacyCount> CountLegacyRows(SourceConnection& source) {
    std::vector<LegacyCount> counts;
    for (const RunTable& table : RunTables()) {
        const QString legacyTable = QString::fromUtf16(table.legacyTable);
        SourceQuery count;
        count.SetSQLConnection(&source);
        count.SetSQL(QStringLiteral("SELECT COUNT(*) AS QUANTOS FROM ") + legacyTable);
        count.Open();
        counts.push_back({QString::fromUtf16(table.key), legacyTable,
                          count.FieldByName(QStringLiteral("QUANTOS")).AsString().toLongLong()});
    }
    return counts;
}

} // namespace vorlanda
