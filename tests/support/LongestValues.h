#pragma once

#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

// A text setter fed the longest value of a test: the setter, its name for the trace, the
// property it fills, what goes in, the column the property is written to and the length the
// property must have afterwards.
template <class Writer> struct LongestValue {
    const char* name;
    void (Writer::*set)(const QString&);
    const QString& (Writer::*get)() const;
    QString in;
    const char* column;
    qsizetype length;
};

// Feeds every value to one writer and expects each property to have its length; then writes
// the row with write, commits, and expects the columns to hold the properties unchanged, since
// what a setter leaves must fit its column.
template <class Writer, std::size_t N, class Write>
void ExpectLongestValuesFit(ScratchTarget& target, Writer& writer,
                            const LongestValue<Writer> (&fields)[N], const QString& table,
                            Write&& write) {
    QStringList columns;
    QStringList stored;
    for (const LongestValue<Writer>& f : fields) {
        SCOPED_TRACE(f.name);
        (writer.*f.set)(f.in);
        EXPECT_EQ((writer.*f.get)().size(), f.length);
        columns.append(QString::fromLatin1(f.column));
        stored.append((writer.*f.get)());
    }
    write();
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
                          QStringLiteral(" FROM ") + table),
              std::vector<QStringList>{stored});
}
