#include "db/internal/StatementParameters.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(ToPositional, ReplacesNamesOutsideLiteralsAndComments) {
    struct Case {
        const char16_t* in;
        const char16_t* sql;
        QStringList names;
    };
    const Case cases[] = {
        {u"INSERT INTO T (A, B) VALUES (:A, :B)",
         u"INSERT INTO T (A, B) VALUES (?, ?)",
         {u"A"_qs, u"B"_qs}},
        {u"SELECT * FROM T WHERE A = :X OR B = :x",
         u"SELECT * FROM T WHERE A = ? OR B = ?",
         {u"X"_qs, u"x"_qs}},
        {u"SELECT ':NAO', \"a:b\" FROM T WHERE C = :SIM",
         u"SELECT ':NAO', \"a:b\" FROM T WHERE C = ?",
         {u"SIM"_qs}},
        {u"SELECT 'it''s :NAO' FROM T WHERE C=:P1",
         u"SELECT 'it''s :NAO' FROM T WHERE C=?",
         {u"P1"_qs}},
        {u"SELECT 1 -- :NAO\nFROM T /* :NAO */ WHERE A=:A",
         u"SELECT 1 -- :NAO\nFROM T /* :NAO */ WHERE A=?",
         {u"A"_qs}},
        {u"SELECT 'unclosed :NAO", u"SELECT 'unclosed :NAO", {}},
        {u"INSERT INTO T (A) VALUES ('10:30')", u"INSERT INTO T (A) VALUES ('10:30')", {}},
        {u"SELECT :A -- :NAO", u"SELECT ? -- :NAO", {u"A"_qs}},
        {u"SELECT :A /* :NAO", u"SELECT ? /* :NAO", {u"A"_qs}},
        {u"SELECT :A:B, :A", u"SELECT ??, ?", {u"A"_qs, u"B"_qs, u"A"_qs}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        const PositionalStatement result = ToPositional(QString::fromUtf16(c.in));
        EXPECT_EQ(result.sql, QString::fromUtf16(c.sql));
        EXPECT_EQ(result.names, c.names);
    }
}
