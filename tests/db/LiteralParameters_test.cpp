#include "db/LiteralParameters.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(LiteralsToParameters, TurnsTheLiteralsOfAnInsertIntoBoundValues) {
    const auto result =
        LiteralsToParameters(QStringLiteral("Insert Into Cliente ( a, b, c, d, e, f) Values ( "
                                            "'it''s; -- x', \"N\", -12.5, 7, NULL, 5E-5)"));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(
        result->sql,
        QStringLiteral("Insert Into Cliente ( a, b, c, d, e, f) Values (?, ?, ?, ?, NULL, ?)"));
    const std::vector<TargetValue> expected{QStringLiteral("it's; -- x"), QStringLiteral("N"),
                                            ExactDecimal{-125, 1}, qint64{7}, 5E-5};
    EXPECT_EQ(result->values, expected);
}

TEST(LiteralsToParameters, LeavesEveryOtherStatementAsWritten) {
    const char* const kept[] = {
        "UPDATE CLIENTE SET NOME = 'A' WHERE CODCLIENTE = '1'",
        "SELECT 'VALUES (1)' FROM RDB$DATABASE",
        "INSERT INTO T (A) VALUES (1 + 2)",
        "INSERT INTO T (A) VALUES (?)",
        "INSERT INTO T (A) VALUES ('x') RETURNING A",
        "INSERT INTO T (A) VALUES (NULL)",
        "INSERT INTO T (A) VALUES ('unclosed)",
        "INSERT INTO T (A) SELECT 'x' FROM RDB$DATABASE",
    };
    for (const char* sql : kept) {
        SCOPED_TRACE(sql);
        EXPECT_FALSE(LiteralsToParameters(QString::fromUtf8(sql)).has_value());
    }
}
