#pragma once

#include <QString>
#include <vector>

namespace vorlanda {

class SourceConnection;

// How many rows one legacy table holds, by the key of the table's selection.
struct LegacyCount {
    QString key;   // "CLIENTES", ...
    QString table; // "TBCLIENTES", ...
    qint64 rows;
};

// Connects to the source and counts the rows of the five legacy tables, in run order. A source
// that cannot be reached, or a table it lacks, raises the driver's error.
std::vector<LegacyCount> CountLegacyRows(SourceConnection& source);

} // namespace vorlanda
