#include "writers/UpdateStatement.h"

#include "writers/SqlText.h"

namespace vorlanda {

QString UpdateStatement(QStringView head, QStringView prefix,
                        const std::vector<Assignment>& assignments, QStringView where,
                        QStringView key) {
    std::vector<QStringView> pieces;
    pieces.reserve(5 * assignments.size() + 3);
    pieces.push_back(head);
    bool first = true;
    for (const Assignment& a : assignments) {
        if (!first)
            pieces.push_back(u", ");
        first = false;
        pieces.insert(pieces.end(), {prefix, a.column, u" = ", a.value});
    }
    pieces.insert(pieces.end(), {where, key});
    return Concatenated(pieces);
}

} // namespace vorlanda
