#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace vorlanda {

// One "column = value" of an UPDATE; the value is a literal, "?" or NULL.
struct Assignment {
    QStringView column;
    QStringView value;
};

// The value of a column an UPDATE clears, written with a blank before the comma that follows.
inline constexpr QStringView kUpdateNull = u"NULL ";

// "<head><prefix><column> = <value>, ...<where><key>", written once. With the values as
// literals it is the statement's text; with "?" in their place, its shape for binding.
QString UpdateStatement(QStringView head, QStringView prefix,
                        const std::vector<Assignment>& assignments, QStringView where,
                        QStringView key);

} // namespace vorlanda
