#include "db/Error.h"
#include "db/TargetQuery.h"
#include "support/ExpectError.h"
#include "support/LiteralParameters.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"

#include <QRegularExpression>
#include <array>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

// A table of its own with one column of each kind the writers bind.
class TargetQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        target.Execute({QStringLiteral("CREATE TABLE AMOSTRA (ID INTEGER NOT NULL PRIMARY KEY, "
                                       "TEXTO VARCHAR(20), NUMERO DOUBLE PRECISION, DIA DATE, "
                                       "INTEIRO INTEGER)")});
    }

    QStringList Row(int id) {
        const auto rows = target.Rows(
            QStringLiteral("SELECT TEXTO, NUMERO, DIA, INTEIRO FROM AMOSTRA WHERE ID = %1")
                .arg(id));
        return rows.empty() ? QStringList() : rows.front();
    }

    // Inserts one row of literal values twice under the next two ids: bound, as the literal
    // reader reads the text (a writer binds the same values), and as written. Gives the two
    // outcomes: the row read back, or the error's message.
    std::array<QString, 2> InsertBoundAndAsWritten(const QString& table, const QString& columns,
                                                   const char* values) {
        std::array<QString, 2> outcome;
        for (int asWritten = 0; asWritten < 2; ++asWritten) {
            const QString id = QString::number(++lastId_);
            const QString sql = u"INSERT INTO "_qs + table + u" (ID, "_qs + columns +
                                u") VALUES ("_qs + id + u", "_qs + QString::fromUtf8(values) +
                                u")"_qs;
            try {
                if (asWritten) {
                    query.SetSQL(sql);
                    query.ExecSQL();
                } else {
                    query.ExecBound(LiteralsToParameters(sql), [&sql] { return sql; });
                }
                target.Transaction().Commit();
                outcome[asWritten] = target
                                         .Rows(u"SELECT "_qs + columns + u" FROM "_qs + table +
                                               u" WHERE ID = "_qs + id)
                                         .at(0)
                                         .join(u'|');
            } catch (const Error& error) {
                outcome[asWritten] = QStringLiteral("error: ") + error.Message();
            }
        }
        return outcome;
    }

    ScratchTarget target;
    TargetQuery query{target.Database()};

private:
    int lastId_ = 0;
};

} // namespace

TEST_F(TargetQueryTest, BindsNamedParametersOfEveryKind) {
    query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO, NUMERO, DIA, INTEIRO) "
                                "VALUES (:ID, :TEXTO, :NUMERO, :DIA, :ID)"));
    query.ParamByName(QStringLiteral("id")).SetAsInteger(1);
    query.ParamByName(QStringLiteral("TEXTO")).SetAsString(QStringLiteral("São José"));
    query.ParamByName(QStringLiteral("NUMERO")).SetAsFloat(12.5);
    query.ParamByName(QStringLiteral("DIA")).SetAsDate(QDate(2026, 12, 9));
    query.ExecSQL();

    query.ParamByName(QStringLiteral("ID")).SetAsInteger(2);
    query.ParamByName(QStringLiteral("TEXTO")).SetAsString(QString());
    query.ParamByName(QStringLiteral("NUMERO")).Clear();
    query.ParamByName(QStringLiteral("DIA")).Clear();
    query.ExecSQL();
    target.Transaction().Commit();

    EXPECT_EQ(Row(1), (QStringList{u"São José"_qs, u"12.5"_qs, u"09.12.2026"_qs, u"1"_qs}));
    // An empty text is stored as an empty string, not as NULL.
    EXPECT_EQ(Row(2), (QStringList{QString(), u"<null>"_qs, u"<null>"_qs, u"2"_qs}));
    EXPECT_THROW(query.ParamByName(QStringLiteral("NAO_EXISTE")), Error);
}

TEST_F(TargetQueryTest, OneStatementTakesValuesWhoseKindsAndLengthsChangeFromRowToRow) {
    query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO, NUMERO, DIA, INTEIRO) "
                                "VALUES (:ID, :TEXTO, :NUMERO, :DIA, :INTEIRO)"));
    const auto insert = [this](int id, const TargetValue& texto, const TargetValue& numero,
                               const TargetValue& dia, const TargetValue& inteiro) {
        const auto set = [this](const char* name, const TargetValue& value) {
            TargetParam& param = query.ParamByName(QLatin1String(name));
            if (const auto* text = std::get_if<QString>(&value))
                param.SetAsString(*text);
            else if (const auto* whole = std::get_if<qint64>(&value))
                param.SetAsInteger(*whole);
            else if (const auto* real = std::get_if<double>(&value))
                param.SetAsFloat(*real);
            else
                param.Clear();
        };
        query.ParamByName(QStringLiteral("ID")).SetAsInteger(id);
        set("TEXTO", texto);
        set("NUMERO", numero);
        set("DIA", dia);
        set("INTEIRO", inteiro);
        query.ExecSQL();
    };
    const QString accented = QStringLiteral("ÁÉÍÓÚáéíóúÇçÃãÕõÂâÊê");
    insert(1, u"a"_qs, u"12.5"_qs, u"01.02.2026"_qs, 3.0);
    // Texts far longer than a number or a date needs, and the longest text the column takes.
    insert(2, accented, QString(40, u'0') + u"7.25"_qs, QString(30, u' ') + u"2.3.2026"_qs,
           u"42"_qs);
    insert(3, {}, {}, {}, {});
    insert(4, u"b"_qs, qint64(5), u"04.05.2026"_qs, qint64(6));
    // The same kinds as the row before, with one text outgrowing the room it had there.
    insert(5, u"c"_qs, u"1.5"_qs, u"05.06.2026"_qs, qint64(7));
    insert(6, u"d"_qs, QString(40, u'0') + u"8.5"_qs, u"06.07.2026"_qs, qint64(8));
    target.Transaction().Commit();

    EXPECT_EQ(Row(1), (QStringList{u"a"_qs, u"12.5"_qs, u"01.02.2026"_qs, u"3"_qs}));
    EXPECT_EQ(Row(2), (QStringList{accented, u"7.25"_qs, u"02.03.2026"_qs, u"42"_qs}));
    EXPECT_EQ(Row(3), (QStringList{u"<null>"_qs, u"<null>"_qs, u"<null>"_qs, u"<null>"_qs}));
    EXPECT_EQ(Row(4), (QStringList{u"b"_qs, u"5"_qs, u"04.05.2026"_qs, u"6"_qs}));
    EXPECT_EQ(Row(5), (QStringList{u"c"_qs, u"1.5"_qs, u"05.06.2026"_qs, u"7"_qs}));
    EXPECT_EQ(Row(6), (QStringList{u"d"_qs, u"8.5"_qs, u"06.07.2026"_qs, u"8"_qs}));
}

TEST_F(TargetQueryTest, DoubleQuotedConstantsAreTextAndColonsInLiteralsAreNotParameters) {
    query.SetSQL(
        QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES (:ID, \"N\" || ':X' || \"a:b\")"));
    query.ParamByName(QStringLiteral("ID")).SetAsInteger(1);
    query.ExecSQL();
    query.SetSQL(QStringLiteral("SELECT TEXTO AS TextoLido FROM AMOSTRA WHERE ID = 1"));
    query.Open();
    EXPECT_FALSE(query.IsEmpty());
    EXPECT_EQ(query.FieldByName(QStringLiteral("TEXTOLIDO")).AsString(), QStringLiteral("N:Xa:b"));
    EXPECT_NE(query.FindField(QStringLiteral("textolido")), nullptr);
    EXPECT_EQ(query.FindField(QStringLiteral("OUTRO")), nullptr);
    EXPECT_THROW(query.FieldByName(QStringLiteral("OUTRO")), Error);
}

TEST_F(TargetQueryTest, ReadsNullsAndRefusesNonNumericIntegers) {
    target.Execute({QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES (1, 'A1')"),
                    QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES (2, '00041')")});
    query.SetSQL(QStringLiteral("SELECT TEXTO, NUMERO, DIA FROM AMOSTRA ORDER BY ID"));
    query.Open();
    EXPECT_EQ(query.FieldByName(QStringLiteral("NUMERO")).AsString(), QString());
    EXPECT_TRUE(query.FieldByName(QStringLiteral("NUMERO")).IsNull());
    EXPECT_FALSE(query.FieldByName(QStringLiteral("DIA")).AsDate().isValid());
    EXPECT_THROW(query.FieldByName(QStringLiteral("TEXTO")).AsInteger(), Error);
    query.Next();
    EXPECT_EQ(query.FieldByName(QStringLiteral("TEXTO")).AsInteger(), 41);
    query.Next();
    EXPECT_TRUE(query.Eof());
    // Past the last row, and in an empty result, every column reads as NULL.
    EXPECT_TRUE(query.FieldByName(QStringLiteral("TEXTO")).IsNull());
}

TEST_F(TargetQueryTest, CommitStatementsEndTheTransactionAndTheNextStatementStartsOne) {
    for (const QString& commit : {QStringLiteral("COMMIT"), QStringLiteral("Commit;")}) {
        SCOPED_TRACE(commit.toStdString());
        query.SetSQL(QStringLiteral("DELETE FROM AMOSTRA"));
        query.ExecSQL();
        query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID) VALUES (7)"));
        query.ExecSQL();
        EXPECT_TRUE(target.Transaction().InTransaction());
        query.SetSQL(commit);
        query.ExecSQL();
        EXPECT_FALSE(target.Transaction().InTransaction());
        EXPECT_EQ(Row(7).size(), 4); // visible from another connection: committed
        query.SetSQL(QStringLiteral("SELECT COUNT(*) FROM AMOSTRA"));
        query.Open();
        EXPECT_TRUE(target.Transaction().InTransaction());
        target.Transaction().Commit();
    }
}

TEST_F(TargetQueryTest, RollbackKeepsWhatTheLastCommitPointCommitted) {
    query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID) VALUES (1)"));
    query.ExecSQL();
    query.SetSQL(QStringLiteral("Commit;"));
    query.ExecSQL();
    query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID) VALUES (2)"));
    query.ExecSQL();
    const std::optional<Error> error = ExpectErrorContaining(
        [&] {
            query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID) VALUES (1)"));
            query.ExecSQL();
        },
        QStringLiteral("PRIMARY or UNIQUE KEY"));
    if (error) {
        EXPECT_EQ(error->Sql(), QStringLiteral("INSERT INTO AMOSTRA (ID) VALUES (1)"));
    }
    target.Transaction().Rollback();
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT ID FROM AMOSTRA")),
              (std::vector<QStringList>{{u"1"_qs}}));
}

TEST_F(TargetQueryTest, ExecBoundRunsTheTextWithoutABoundFormOrWhenItFails) {
    const QString first = u"INSERT INTO AMOSTRA (ID, TEXTO) VALUES (1, 'um')"_qs;
    const QString second = u"INSERT INTO AMOSTRA (ID, TEXTO) VALUES (2, 'dois')"_qs;
    int written = 0;
    const auto text = [&](const QString& sql) {
        return [&written, sql] {
            ++written;
            return sql;
        };
    };
    query.ExecBound(std::nullopt, text(first));
    EXPECT_EQ(written, 1);
    query.ExecBound(LiteralsToParameters(second), text(second));
    EXPECT_EQ(written, 1); // bound, so the text was never needed
    const std::optional<Error> error =
        ExpectErrorContaining([&] { query.ExecBound(LiteralsToParameters(first), text(first)); },
                              u"PRIMARY or UNIQUE KEY"_qs);
    if (error) {
        EXPECT_EQ(written, 2);
        EXPECT_EQ(error->Sql(), first);
    }
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(u"SELECT ID, TEXTO FROM AMOSTRA ORDER BY ID"_qs),
              (std::vector<QStringList>{{u"1"_qs, u"um"_qs}, {u"2"_qs, u"dois"_qs}}));
}

TEST_F(TargetQueryTest, StatementsEndingInBlanksOrATerminatorRun) {
    int id = 0;
    for (const char16_t* end : {u"", u"  ", u";", u" ; \n"}) {
        SCOPED_TRACE(QString::fromUtf16(end).toStdString());
        query.SetSQL(u"INSERT INTO AMOSTRA (ID, TEXTO) VALUES (%1, 'a;b')"_qs.arg(++id) +
                     QString::fromUtf16(end));
        query.ExecSQL();
        query.SetSQL(u"SELECT ID FROM AMOSTRA WHERE TEXTO = 'a;b'"_qs + QString::fromUtf16(end));
        query.Open();
        int found = 0;
        for (; !query.Eof(); query.Next())
            ++found;
        EXPECT_EQ(found, id);
    }
}

TEST_F(TargetQueryTest, TextTheServerCannotReceiveWholeIsRefusedNotCut) {
    const QString nul = QStringLiteral("abc") + QChar(0) + QStringLiteral("def");
    const QString loneSurrogate = QStringLiteral("abc") + QChar(0xD800);
    const QString loneLowSurrogate = QChar(0xDC00) + QStringLiteral("abc");
    for (const QString& bad : {nul, loneSurrogate, loneLowSurrogate}) {
        query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES (1, :T)"));
        query.ParamByName(QStringLiteral("T")).SetAsString(bad);
        EXPECT_THROW(query.ExecSQL(), Error);
        query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES (1, '") + bad +
                     QStringLiteral("')"));
        EXPECT_THROW(query.ExecSQL(), Error);
    }
    // A character beyond the BMP is a pair of surrogates: sent whole, refused by WIN1252.
    query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES (1, :T)"));
    query.ParamByName(QStringLiteral("T"))
        .SetAsString(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                       "b"));
    const std::optional<Error> error = CaughtError([&] { query.ExecSQL(); });
    if (error) {
        EXPECT_FALSE(error->Message().contains(QStringLiteral("caractere inválido")))
            << error->what();
    }
    target.Transaction().Commit();
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT * FROM AMOSTRA")).empty());
}

TEST_F(TargetQueryTest, CharactersOutsideWin1252EndWithTheServersMessage) {
    query.SetSQL(QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES (1, :T)"));
    query.ParamByName(QStringLiteral("T")).SetAsString(QStringLiteral("Ωmega"));
    ExpectErrorContaining([&] { query.ExecSQL(); }, QStringLiteral("transliterate"));
}

// An INSERT bound with the values its literals stand for must give the rows and the errors
// the statement as written gives.
TEST_F(TargetQueryTest, LiteralInsertsGiveTheRowsAndErrorsOfTheStatementAsWritten) {
    target.Execute({QStringLiteral("CREATE TABLE CURTA (ID INTEGER NOT NULL PRIMARY KEY, "
                                   "TEXTO VARCHAR(5), DIA DATE, NUMERO DOUBLE PRECISION, "
                                   "INTEIRO INTEGER)")});
    const char* const values[] = {
        "'abc', '25.12.1980', 12.5, 7",
        "'abcdef', NULL, 0, 0",
        "'x', '31.02.2020', 0, 0",
        "'x', '25/12/2020', 0, 0",
        "'x', NULL, 'abc', 0",
        "'x', NULL, 5E-5, 12.7",
        "\"N\", NULL, -1234567.891, '42'",
        "'D''Ávila', NULL, 0.1, -3",
        "'Ωmega', NULL, 0, 0",
        "'', '', 0, 0",
    };
    for (const char* row : values) {
        SCOPED_TRACE(row);
        const auto outcome =
            InsertBoundAndAsWritten(u"CURTA"_qs, u"TEXTO, DIA, NUMERO, INTEIRO"_qs, row);
        EXPECT_EQ(outcome[0], outcome[1]);
    }
}

// Numbers bound for literals must land as the literals do: in a text column "12.5" stays
// "12.5", and rounding into a scaled column follows the written digits.
TEST_F(TargetQueryTest, NumberLiteralsLandAsWritten) {
    target.Execute({QStringLiteral("CREATE TABLE NUMEROS (ID INTEGER NOT NULL PRIMARY KEY, "
                                   "TEXTO VARCHAR(40), LARGO NUMERIC(15,2), CURTO NUMERIC(9,2), "
                                   "INTEIRO INTEGER, FLUTUANTE DOUBLE PRECISION)")});
    const char* const values[] = {
        "12.5, 12.345, 12.345, 2.5, 12.5",
        "12.25, 12.3, 1.5, 2.75, 1.25", // the same kinds with other numbers of places
        "1.0, 2.675, 2.675, -2.5, 1.0",    "-0.0, -2.675, -1.005, 0.5, .5",
        "5., 0.285, 0.285, 3, 5.",         "2147483648, 12345678901.125, 1.015, -2147483648, 0.1",
        "1E1, 1e2, 1.5E0, 2.5E0, 1E-1",    "123456789012345678.9, 0, 0, 0, 0",
    };
    for (const char* row : values) {
        SCOPED_TRACE(row);
        const auto outcome = InsertBoundAndAsWritten(
            u"NUMEROS"_qs, u"TEXTO, LARGO, CURTO, INTEIRO, FLUTUANTE"_qs, row);
        EXPECT_FALSE(outcome[1].startsWith(u"error:"_qs)) << outcome[1].toStdString();
        EXPECT_EQ(outcome[0], outcome[1]);
    }
}

// Exact numbers for a floating-point column go at the largest scale the column has seen, so
// that rows of 12, 12.5 and 12.25 share a layout; each must still land as the very double its
// literal gives, which only an exact comparison in the server shows.
TEST_F(TargetQueryTest, ExactNumbersForFloatingColumnsLandAsTheirLiteralsWhateverTheScale) {
    // On a database of dialect 1 a NUMERIC of more than nine digits is a double as well.
    target.Execute({QStringLiteral("CREATE TABLE FLUTUANTES (ID INTEGER NOT NULL PRIMARY KEY, "
                                   "DUPLO DOUBLE PRECISION, SIMPLES FLOAT, LARGO NUMERIC(15,2))")});
    const char* const values[] = {
        "12.345, 12.345, 12.345",
        "12.5, 12.5, 2.675", // fewer places than the column has seen
        "7, -7, 7",          // whole numbers
        "0.1, 0.3, 0.1",     // no exact double
        "-1234567.891, 2.675, -1.005",
        "999999999999999, 1, 1",          // too many digits to carry three more places
        "0.1234567890123456, 0.7, 0.285", // more places: the column's scale grows
        "12.5, 3.14159, 12.5",            // now too many digits at that scale
        "0, -0.0, 0",
        "4503599627.370497, 1.1, 4503599627.37",
    };
    for (const char* row : values) {
        SCOPED_TRACE(row);
        const auto outcome =
            InsertBoundAndAsWritten(u"FLUTUANTES"_qs, u"DUPLO, SIMPLES, LARGO"_qs, row);
        EXPECT_FALSE(outcome[1].startsWith(u"error:"_qs)) << outcome[1].toStdString();
    }
    // Each bound row (odd id) against the row written as text after it.
    const auto differing = target.Rows(QStringLiteral(
        "SELECT A.ID FROM FLUTUANTES A JOIN FLUTUANTES B ON B.ID = A.ID + 1 WHERE MOD(A.ID, 2) = 1 "
        "AND (A.DUPLO IS DISTINCT FROM B.DUPLO OR A.SIMPLES IS DISTINCT FROM B.SIMPLES OR "
        "A.LARGO IS DISTINCT FROM B.LARGO)"));
    EXPECT_TRUE(differing.empty()) << differing.size() << " rows differ";
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT COUNT(*) FROM FLUTUANTES")).at(0).at(0),
              QString::number(2 * std::size(values)));
}

// A search bound with the values its literals stand for must find what the statement as
// written finds, or fail with its message: whether each value is cast to text of its own
// length, as the literal reader writes it, or bound plainly where the lookups compare a
// column with a "?" (a value the column cannot hold fails, and the text decides).
TEST_F(TargetQueryTest, LiteralSearchesFindWhatTheStatementAsWrittenFinds) {
    target.Execute({QStringLiteral("CREATE TABLE BUSCA (CURTO VARCHAR(8), FIXO CHAR(5), "
                                   "NUMERO INTEGER, DIA DATE)")});
    target.Execute({QStringLiteral("INSERT INTO BUSCA VALUES ('30049099', 'ab', 5, '01.02.2026')"),
                    QStringLiteral("INSERT INTO BUSCA VALUES ('São', '', 7, '03.04.2026')"),
                    QStringLiteral("INSERT INTO BUSCA VALUES ('D''Oeste', 'x y', 9, NULL)")});
    const char* const conditions[] = {
        "CURTO = '30049099'",
        "CURTO = '30049099   '",
        "CURTO = ' 30049099'",
        "CURTO = '3004909912'",
        "CURTO = '3004.90.99 com um texto bem mais longo que a coluna'",
        "CURTO = 'são'",
        "CURTO = 'São' AND FIXO = ''",
        "CURTO = 'D''Oeste' OR FIXO = 'ab'",
        "FIXO = 'ab   '",
        "FIXO = 'x y'",
        "CURTO = 'Ωmega'",
        "NUMERO = '5'",
        "NUMERO = 'cinco'",
        "DIA = '01.02.2026'",
        "DIA = '2026-04-03'",
        "DIA = '31.02.2026'",
    };
    for (const char* condition : conditions) {
        SCOPED_TRACE(condition);
        const QString sql =
            QStringLiteral("SELECT NUMERO FROM BUSCA WHERE %1").arg(QString::fromUtf8(condition));
        const std::optional<LiteralStatement> cast = LiteralsToParameters(sql);
        ASSERT_TRUE(cast.has_value());
        ParameterisedStatement plain = *cast;
        plain.sql.replace(QRegularExpression(QStringLiteral(R"(CAST\(\? AS [^)]*\))")),
                          QStringLiteral("?"));
        QString outcome[3];
        for (int way = 0; way < 3; ++way) {
            try {
                if (way == 0) {
                    query.SetSQL(sql);
                    query.Open();
                } else {
                    query.OpenBound(way == 1 ? ParameterisedStatement(*cast) : plain,
                                    [&sql] { return sql; });
                }
                QStringList found;
                for (; !query.Eof(); query.Next())
                    found.append(query.FieldByName(QStringLiteral("NUMERO")).AsString());
                found.sort();
                outcome[way] = found.join(u',');
            } catch (const Error& error) {
                outcome[way] = QStringLiteral("error: ") + error.Message();
            }
        }
        EXPECT_EQ(outcome[1], outcome[0]);
        EXPECT_EQ(outcome[2], outcome[0]);
    }
}
