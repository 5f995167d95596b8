#include "db/DayNumber.h"
#include "db/Error.h"
#include "db/SourceConnection.h"
#include "db/SourceQuery.h"
#include "support/ExpectError.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vorlanda;

namespace {

class SourceQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        legacy.Execute({QStringLiteral("CREATE TABLE AMOSTRA (ID INT, NOME VARCHAR(40), PRECO "
                                       "DECIMAL(10,2), TEXTO VARCHAR(20), "
                                       "DIA DATE, MOMENTO DATETIME) DEFAULT CHARSET=latin1")});
        query.SetSQLConnection(&connection);
    }

    void Select(const QString& sql) {
        query.ClearSQL();
        query.SetSQL(sql);
        query.Open();
    }

    LegacyDatabase legacy;
    SourceConnection connection{legacy.Parameters()};
    SourceQuery query;
};

} // namespace

TEST_F(SourceQueryTest, CountsThenWalksTheRowsForward) {
    legacy.Execute({QStringLiteral("INSERT INTO AMOSTRA (ID) VALUES (1), (2), (3)")});
    Select(QStringLiteral("SELECT ID FROM AMOSTRA ORDER BY ID"));
    EXPECT_EQ(query.RecordCount(), 3);
    QStringList seen;
    for (; !query.Eof(); query.Next())
        seen.append(query.FieldByName(QStringLiteral("id")).AsString());
    EXPECT_EQ(seen, (QStringList{u"1"_qs, u"2"_qs, u"3"_qs}));

    Select(QStringLiteral("SELECT ID FROM AMOSTRA WHERE ID > 10"));
    EXPECT_EQ(query.RecordCount(), 0);
    EXPECT_TRUE(query.Eof());
}

TEST_F(SourceQueryTest, ColumnsAreFoundByNameWhateverTheCaseOrTheTypeOfTheName) {
    Select(QStringLiteral("SELECT 1 AS Id, 2 AS id_2, 3 AS NOME"));
    struct Case {
        const char* name;
        const char* value; // nullptr: no such column
    };
    const Case cases[] = {{"Id", "1"},   {"ID", "1"},      {"id_2", "2"}, {"ID_2", "2"},
                          {"nome", "3"}, {"NOM", nullptr}, {"", nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString asText = QString::fromLatin1(c.name);
        if (c.value) {
            EXPECT_EQ(query.FieldByName(QLatin1StringView(c.name)).AsString(),
                      QString::fromLatin1(c.value));
            EXPECT_EQ(query.FieldByName(asText).AsString(), QString::fromLatin1(c.value));
            continue;
        }
        EXPECT_THROW(query.FieldByName(QLatin1StringView(c.name)), Error);
        EXPECT_THROW(query.FieldByName(asText), Error);
    }
}

TEST_F(SourceQueryTest, ReadsTextNumbersAndLatin1Accents) {
    legacy.Execute({QStringLiteral("INSERT INTO AMOSTRA (ID, NOME, PRECO) VALUES "
                                   "(1, 'São José D''Oeste', 12.5), (2, NULL, NULL)")});
    Select(QStringLiteral("SELECT ID, NOME, PRECO FROM AMOSTRA ORDER BY ID"));
    EXPECT_EQ(query.FieldByName(QStringLiteral("NOME")).AsString(),
              QStringLiteral("São José D'Oeste"));
    EXPECT_EQ(query.FieldByName(QStringLiteral("PRECO")).AsString(), QStringLiteral("12.50"));
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("PRECO")).AsFloat(), 12.5);
    query.Next();
    EXPECT_EQ(query.FieldByName(QStringLiteral("NOME")).AsString(), QString());
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("PRECO")).AsFloat(), 0.0);
    EXPECT_THROW(query.FieldByName(QStringLiteral("NAO_EXISTE")), Error);
}

TEST_F(SourceQueryTest, EachRowReadsAsItselfWhenItsTextsRepeatTheRowBeforeOrNot) {
    // Texts the row before had, texts one letter or one blank away from them, accents and
    // NULLs between them, and a date column that turns NULL and back.
    const struct {
        const char* nome; // nullptr: NULL
        const char* dia;
    } rows[] = {{"MG", "2020-01-02"},  {"MG", "2020-01-02"},    {"mg", "0000-00-00"},
                {"MG ", "2020-01-02"}, {nullptr, "2020-01-03"}, {"MG", "2020-01-03"},
                {"São", nullptr},      {"São", nullptr},        {"Sao", "2020-01-02"},
                {"", "2020-01-02"},    {"", "2020-01-02"},      {"MG", "2020-01-02"}};
    QStringList inserts;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto literal = [](const char* text) {
            return text ? QStringLiteral("'%1'").arg(QString::fromUtf8(text)) : u"NULL"_qs;
        };
        inserts.append(QStringLiteral("INSERT INTO AMOSTRA (ID, NOME, DIA) VALUES (%1, %2, %3)")
                           .arg(i)
                           .arg(literal(rows[i].nome), literal(rows[i].dia)));
    }
    legacy.Execute(inserts);
    Select(QStringLiteral("SELECT NOME, DIA FROM AMOSTRA ORDER BY ID"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nome ? row.nome : "NULL");
        ASSERT_FALSE(query.Eof());
        const SourceField& nome = query.FieldByName(QStringLiteral("NOME"));
        EXPECT_EQ(nome.IsNull(), row.nome == nullptr);
        EXPECT_EQ(nome.AsString(), QString::fromUtf8(row.nome ? row.nome : ""));
        const SourceField& dia = query.FieldByName(QStringLiteral("DIA"));
        const bool noDate = !row.dia || QByteArray(row.dia) == "0000-00-00";
        EXPECT_EQ(dia.IsNull(), noDate);
        if (!noDate) {
            EXPECT_EQ(dia.AsString(), QString::fromLatin1(row.dia));
        }
        query.Next();
    }
    EXPECT_TRUE(query.Eof());
}

TEST_F(SourceQueryTest, NumbersHeldAsTextAreReadOrRefusedByName) {
    legacy.Execute({QStringLiteral("INSERT INTO AMOSTRA (ID, TEXTO) VALUES "
                                   "(1, '12,5'), (2, '1.5'), (3, 'abc'), (4, 'nan')")});
    Select(QStringLiteral("SELECT TEXTO FROM AMOSTRA ORDER BY ID"));
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("TEXTO")).AsFloat(), 12.5);
    query.Next();
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("TEXTO")).AsFloat(), 1.5);
    for (const char* bad : {"abc", "nan"}) {
        SCOPED_TRACE(bad);
        query.Next();
        ExpectErrorContaining([&] { query.FieldByName(QStringLiteral("TEXTO")).AsFloat(); },
                              QStringLiteral("'%1'").arg(QLatin1String(bad)));
    }
}

TEST_F(SourceQueryTest, DatesBecomeDayNumbersAndZeroDatesAreNull) {
    legacy.Execute(
        {QStringLiteral("SET SESSION sql_mode = ''"),
         QStringLiteral("INSERT INTO AMOSTRA (ID, DIA, MOMENTO) VALUES "
                        "(1, '1980-12-25', '2026-12-09 12:00:00'), "
                        "(2, '0000-00-00', '0000-00-00 00:00:00'), (3, NULL, NULL), "
                        "(4, '2020-00-15', NULL), (5, '0001-01-01', '2026-12-09 23:59:59')")});
    Select(QStringLiteral("SELECT DIA, MOMENTO FROM AMOSTRA ORDER BY ID"));
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("DIA")).AsDateTime(),
                     DayNumberFromDate(QDate(1980, 12, 25)));
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("MOMENTO")).AsDateTime(),
                     DayNumberFromDate(QDate(2026, 12, 9)) + 0.5);
    for (int row = 2; row <= 4; ++row) {
        SCOPED_TRACE(row);
        query.Next();
        EXPECT_TRUE(query.FieldByName(QStringLiteral("DIA")).IsNull());
        EXPECT_EQ(query.FieldByName(QStringLiteral("DIA")).AsString(), QString());
        EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("DIA")).AsDateTime(), 0.0);
    }
    query.Next();
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("DIA")).AsDateTime(),
                     DayNumberFromDate(QDate(1, 1, 1)));
    EXPECT_DOUBLE_EQ(query.FieldByName(QStringLiteral("MOMENTO")).AsDateTime(),
                     DayNumberFromDate(QDate(2026, 12, 9)) + 86399.0 / 86400.0);
}

TEST_F(SourceQueryTest, TextWithANulCharacterArrivesWhole) {
    legacy.Execute(
        {QStringLiteral("INSERT INTO AMOSTRA (ID, NOME) VALUES (1, CONCAT('ab', CHAR(0), 'cd'))")});
    Select(QStringLiteral("SELECT NOME FROM AMOSTRA"));
    EXPECT_EQ(query.FieldByName(QStringLiteral("NOME")).AsString(),
              QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"));
}

TEST_F(SourceQueryTest, ServerErrorsAndAMissingServerCarryTheDriversText) {
    ExpectErrorContaining([&] { Select(QStringLiteral("SELECT * FROM NAO_EXISTE")); },
                          QStringLiteral("doesn't exist"));

    QTemporaryDir nowhere;
    SourceParameters parameters = legacy.Parameters();
    parameters.socket = nowhere.filePath(QStringLiteral("mysqld.sock"));
    SourceConnection unreachable(parameters);
    SourceQuery lost;
    lost.SetSQLConnection(&unreachable);
    lost.SetSQL(QStringLiteral("SELECT 1"));
    ExpectErrorContaining([&] { lost.Open(); }, QStringLiteral("Can't connect"));
    EXPECT_FALSE(unreachable.Connected());
}

TEST_F(SourceQueryTest, AConnectionTheServerClosedIsOpenedAgain) {
    Select(QStringLiteral("SELECT CONNECTION_ID() AS ID"));
    const QString first = query.FieldByName(QStringLiteral("ID")).AsString();
    query.Close();
    legacy.Execute({QStringLiteral("KILL CONNECTION %1").arg(first)});

    Select(QStringLiteral("SELECT CONNECTION_ID() AS ID"));
    EXPECT_NE(query.FieldByName(QStringLiteral("ID")).AsString(), first);
}

TEST_F(SourceQueryTest, AConnectionLostWhileTheRowsStreamInIsAnErrorNotTheEnd) {
    legacy.Execute({QStringLiteral("INSERT INTO AMOSTRA (ID, NOME) SELECT seq, REPEAT('x', 40) "
                                   "FROM seq_1_to_400000")});
    Select(QStringLiteral("SELECT ID, NOME, CONNECTION_ID() AS CONEXAO FROM AMOSTRA"));
    EXPECT_EQ(query.RecordCount(), 400000);
    legacy.Execute({QStringLiteral("KILL CONNECTION %1")
                        .arg(query.FieldByName(QStringLiteral("CONEXAO")).AsString())});
    int read = 1;
    const std::optional<Error> error = CaughtError([&] {
        while (!query.Eof()) {
            query.Next();
            ++read;
        }
    });
    if (error) {
        EXPECT_LT(read, 400000);
        EXPECT_FALSE(error->Message().isEmpty());
    }
}

TEST_F(SourceQueryTest, AServerThatTakesLongerThanTheReadTimeoutEndsTheQueryWithTheWaitNamed) {
    SourceParameters parameters = legacy.Parameters();
    parameters.readWriteTimeout = 1;
    SourceConnection impatient(parameters);
    SourceQuery slow;
    slow.SetSQLConnection(&impatient);
    // A server that stops answering before the first row, and one that stops after many rows
    // have arrived.
    for (const QString& sql :
         {u"SELECT SLEEP(5) AS ESPERA"_qs,
          u"SELECT seq, IF(seq = 90000, SLEEP(5), 0) AS ESPERA FROM seq_1_to_100000"_qs}) {
        SCOPED_TRACE(sql.toStdString());
        slow.SetSQL(sql);
        const std::optional<Error> error = ExpectErrorMessage(
            [&] {
                slow.Open();
                while (!slow.Eof())
                    slow.Next();
            },
            u"O banco de origem não respondeu em 1 segundo (Lost "
            u"connection to server during query)"_qs);
        if (error) {
            EXPECT_EQ(error->Code(), 2013);
            EXPECT_EQ(error->Sql(), sql);
        }
    }
    // The connection given up is opened again by the next query.
    slow.SetSQL(u"SELECT 1 AS UM"_qs);
    slow.Open();
    EXPECT_EQ(slow.FieldByName(u"UM"_qs).AsString(), u"1"_qs);
}

TEST(SourceConnection, AServerThatDoesNotGreetWithinTheConnectTimeoutIsNamedLikewise) {
    // A socket that takes connections and never says a word, as a frozen server does.
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(u"mudo.sock"_qs).toLocal8Bit();
    struct Listener {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        ~Listener() { close(fd); }
    } listener;
    ASSERT_GE(listener.fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(bind(listener.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener.fd, 1), 0);

    SourceParameters parameters;
    parameters.socket = QString::fromLocal8Bit(path);
    parameters.connectTimeout = 1;
    SourceConnection silent(parameters);
    const std::optional<Error> error = CaughtError([&] { silent.LiveHandle(); });
    if (error) {
        EXPECT_TRUE(error->Message().startsWith(
            u"O banco de origem não respondeu em 1 segundo (Lost connection to server at "_qs))
            << error->what();
        EXPECT_EQ(error->Code(), 2013);
    }
    EXPECT_FALSE(silent.Connected());
}
