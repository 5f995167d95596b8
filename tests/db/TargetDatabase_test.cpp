#include "db/Error.h"
#include "db/TargetQuery.h"
#include "support/ExpectError.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlanda;

TEST(TargetDatabase, FreshFileIsADialectOneWin1252DatabaseWithTheSchema) {
    ScratchTarget target;
    EXPECT_TRUE(target.Database().TestConnected());
    EXPECT_EQ(target.Database().Dialect(), 1u);
    const auto charset =
        target.Rows(QStringLiteral("SELECT TRIM(RDB$CHARACTER_SET_NAME) FROM RDB$DATABASE"));
    EXPECT_EQ(charset.at(0).at(0), QStringLiteral("WIN1252"));
    const auto tables = target.Rows(QStringLiteral(
        "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$SYSTEM_FLAG = 0 AND RDB$RELATION_NAME IN "
        "('CLIENTE','NCLIENTE','FORNECE','GRUPROD','PRODUTO','COMPPROD','PRODUTODETALHE',"
        "'CLASFISC','CIDADES','CADFABR','SUBGRUP','FAMILIA','PAISES','CLASCLI','LOCALPROD',"
        "'UNIDADES','PARAFAT','RELPRFO','INVENTA')"));
    EXPECT_EQ(tables.at(0).at(0), QStringLiteral("19"));
    const auto trigger = target.Rows(
        QStringLiteral("SELECT COUNT(*) FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME = 'PRODUTO_BI0'"));
    EXPECT_EQ(trigger.at(0).at(0), QStringLiteral("1"));
}

// A conversion's memory must not follow the size of the target file: the embedded engine,
// whose page cache lives in this process, is asked for a small one.
TEST(TargetDatabase, EmbeddedConnectionKeepsASmallPageCache) {
    ScratchTarget target;
    ASSERT_TRUE(target.Database().TestConnected());
    const auto buffers = target.Rows(QStringLiteral("SELECT MON$PAGE_BUFFERS FROM MON$DATABASE"));
    EXPECT_EQ(buffers.at(0).at(0), QStringLiteral("256"));
}

TEST(TargetDatabase, DisconnectRollsBackAndTestConnectedThenFails) {
    ScratchTarget target;
    TargetQuery query(target.Database());
    query.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('001', 'A')"));
    query.ExecSQL();
    EXPECT_TRUE(target.Transaction().InTransaction());

    target.Database().SetConnected(false);
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_FALSE(target.Database().TestConnected());

    // Reconnecting the same file starts clean, and the prepared query prepares again.
    target.Database().SetConnected(true);
    query.SetSQL(QStringLiteral("SELECT COUNT(*) AS N FROM GRUPROD"));
    query.Open();
    EXPECT_EQ(query.FieldByName(QStringLiteral("n")).AsInteger(), 0);
}

TEST(TargetDatabase, BadPathsRaiseTheServersMessage) {
    QTemporaryDir dir;
    const QString notADatabase = dir.filePath(QStringLiteral("texto.fb"));
    {
        QFile file(notADatabase);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
    }
    struct Case {
        QString path;
        const char* expected;
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("nao-existe.fb")), "No such file"},
        {notADatabase, "not a valid database"},
        {QString(), "open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        TargetDatabase database;
        TargetTransaction transaction;
        database.SetDefaultTransaction(&transaction);
        database.SetDatabaseName(c.path);
        database.SetPassword(QStringLiteral("kelpstone"));
        const std::optional<Error> error = CaughtError([&] { database.SetConnected(true); });
        if (error) {
            EXPECT_TRUE(error->Message().contains(QLatin1String(c.expected), Qt::CaseInsensitive))
                << error->what();
        }
        EXPECT_FALSE(database.Connected());
        EXPECT_FALSE(database.TestConnected());
    }
}

TEST(TargetTransaction, ActiveFlagStartsAndRollsBack) {
    ScratchTarget target;
    target.Transaction().SetActive(true);
    EXPECT_TRUE(target.Transaction().Active());
    target.Transaction().SetActive(true); // already active: untouched
    TargetQuery query(target.Database());
    query.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('001', 'A')"));
    query.ExecSQL();
    target.Transaction().SetActive(false);
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT * FROM GRUPROD")).empty());
}

TEST(TargetTransaction, ARehearsalKeepsNothingAndAMarkTakesBackOnlyWhatCameAfterIt) {
    ScratchTarget target;
    TargetTransaction& transaction = target.Transaction();
    TargetQuery query(target.Database());
    const auto insert = [&](const char16_t* code) {
        query.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO) VALUES ('%1')")
                         .arg(QString::fromUtf16(code)));
        query.ExecSQL();
    };
    const auto codes = [&] {
        query.SetSQL(u"SELECT CODGRUPO FROM GRUPROD ORDER BY 1"_qs);
        query.Open();
        QStringList seen;
        for (; !query.Eof(); query.Next())
            seen.append(query.FieldByName(u"CODGRUPO"_qs).AsString());
        query.Close();
        return seen;
    };

    transaction.SetRehearsal(true);
    insert(u"001");
    // Both ways of committing leave the transaction going.
    query.SetSQL(u"COMMIT"_qs);
    query.ExecSQL();
    transaction.Commit();
    EXPECT_TRUE(transaction.InTransaction());
    transaction.Mark();
    insert(u"002");
    transaction.Mark();
    insert(u"003");
    const unsigned long long rollbacks = transaction.Rollbacks();
    transaction.UndoToMark();
    EXPECT_EQ(transaction.Rollbacks(), rollbacks + 1);
    EXPECT_EQ(codes(), (QStringList{u"001"_qs, u"002"_qs}));
    // A failed statement inside a mark leaves the transaction usable.
    EXPECT_THROW(insert(u"002"), Error);
    transaction.UndoToMark();
    insert(u"004");
    EXPECT_EQ(codes(), (QStringList{u"001"_qs, u"002"_qs, u"004"_qs}));

    transaction.Rollback();
    transaction.SetRehearsal(false);
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs).size(), 0u);
}
