#include "support/LiteralParameters.h"
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

TEST(LiteralsToParameters, NumbersKeepTheKindTheServerGivesTheirLiterals) {
    struct Case {
        const char* literal;
        std::optional<TargetValue> value; // nothing: the statement is kept as written
    };
    const Case cases[] = {
        {"0", qint64{0}},
        {"-123456789012345678", qint64{-123456789012345678}},
        {"1234567890123456789", std::nullopt},
        {"1.", ExactDecimal{1, 0}},
        {".5", ExactDecimal{5, 1}},
        {"-0.050", ExactDecimal{-50, 3}},
        {"1234567890123456.78", ExactDecimal{123456789012345678, 2}},
        {"12345678901234567.89", std::nullopt},
        {"1e5", 1e5},
        {"-2.5E+03", -2.5e3},
        {".5e-1", 0.05},
        {"1e", std::nullopt},
        {"1.2.3", std::nullopt},
        {"-", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.literal);
        const auto result = LiteralsToParameters(
            QStringLiteral("INSERT INTO T (A) VALUES (%1)").arg(QLatin1String(c.literal)));
        if (!c.value) {
            EXPECT_FALSE(result.has_value());
            continue;
        }
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->values, std::vector<TargetValue>{*c.value});
    }
}

TEST(LiteralsToParameters, LeavesEveryOtherStatementAsWritten) {
    const char* const kept[] = {
        "UPDATE CLIENTE SET NOME = 'A' WHERE CODCLIENTE = '1'",
        "SELECT 'VALUES (1)' FROM RDB$DATABASE",
        "SELECT A FROM T WHERE B <= 'x' AND C >= 'y' AND D != 'z'",
        "SELECT A FROM T WHERE B = 'x' || C",
        "SELECT A FROM T WHERE B = 'x' -- comment",
        "SELECT A FROM T WHERE B = 'x' /* comment */",
        "SELECT A FROM T WHERE B = \"x\"",
        "SELECT A FROM T WHERE B = 'unclosed",
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

TEST(LiteralsToParameters, TurnsTheComparedTextOfASearchIntoCastParameters) {
    const auto city = LiteralsToParameters(QStringLiteral(
        " SELECT CODCIDADE FROM CIDADES WHERE CIDADE = 'D''OESTE'    AND ESTADO = 'MG'"));
    ASSERT_TRUE(city.has_value());
    EXPECT_EQ(city->sql,
              QStringLiteral(" SELECT CODCIDADE FROM CIDADES WHERE CIDADE = CAST(? AS VARCHAR(32) "
                             "CHARACTER SET UTF8)    AND ESTADO = CAST(? AS VARCHAR(32) CHARACTER "
                             "SET UTF8)"));
    EXPECT_EQ(city->values, (std::vector<TargetValue>{u"D'OESTE"_qs, u"MG"_qs}));

    // Room grows in steps; only the compared literal changes.
    const auto longer =
        LiteralsToParameters(QStringLiteral("select 'a=b' as x from t where (c = '%1') order by 1")
                                 .arg(QString(40, u'9')));
    ASSERT_TRUE(longer.has_value());
    EXPECT_EQ(longer->sql, QStringLiteral("select 'a=b' as x from t where (c = CAST(? AS "
                                          "VARCHAR(64) CHARACTER SET UTF8)) order by 1"));
    EXPECT_EQ(longer->values, (std::vector<TargetValue>{QString(40, u'9')}));
}

TEST(LiteralsToParameters, ValuesOutliveTheTextTheyWereReadFrom) {
    std::optional<LiteralStatement> result;
    {
        QString sql = QStringLiteral("INSERT INTO T (A, B) VALUES ('");
        sql += QString(100, u'x') + QStringLiteral("', 'it''s')");
        result = LiteralsToParameters(sql);
        sql.fill(u'y');
    }
    ASSERT_TRUE(result.has_value());
    const std::vector<TargetValue> expected{QString(100, u'x'), QStringLiteral("it's")};
    EXPECT_EQ(result->values, expected);
}

TEST(LiteralsToParameters, AnEarlierHeadGivesWhatReadingTheWholeTextGives) {
    const QString earlier = QStringLiteral("INSERT INTO T (A, B) VALUES ('x', 1)");
    const auto first = LiteralsToParameters(earlier);
    ASSERT_TRUE(first.has_value());
    const QStringView head = QStringView(earlier).left(first->head);
    EXPECT_EQ(head, u"INSERT INTO T (A, B) VALUES (");
    const char* const statements[] = {
        "INSERT INTO T (A, B) VALUES ('it''s', NULL)",
        "INSERT INTO T (A, B) VALUES ( 'y' , 2 ) ",
        "INSERT INTO T (A, B) VALUES (1)",
        "INSERT INTO T (A, C) VALUES ('y', 2)",
        "INSERT INTO T (A, B) VALUES ('y', 2) RETURNING A",
        "SELECT A FROM T WHERE B = 'y'",
    };
    for (const char* sql : statements) {
        SCOPED_TRACE(sql);
        const QString text = QString::fromUtf8(sql);
        const auto read = LiteralsToParameters(text);
        const auto reused = LiteralsToParameters(text, head);
        ASSERT_EQ(reused.has_value(), read.has_value());
        if (read) {
            EXPECT_EQ(reused->sql, read->sql);
            EXPECT_EQ(reused->values, read->values);
            EXPECT_EQ(reused->head, read->head);
        }
    }
}
