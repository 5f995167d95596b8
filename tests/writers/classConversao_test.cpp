#include "db/TargetQuery.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"
#include "writers/classConversao.h"

#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

void Insert(TargetDatabase& database, const QString& sql) {
    TargetQuery query(database);
    query.SetSQL(sql);
    query.ExecSQL();
}

QString TriggerInactive(const ScratchTarget& target) {
    return target
        .Rows(QStringLiteral("SELECT RDB$TRIGGER_INACTIVE FROM RDB$TRIGGERS "
                             "WHERE RDB$TRIGGER_NAME = 'PRODUTO_BI0'"))
        .at(0)
        .at(0);
}

} // namespace

TEST(TConversao, TransactionOperationsOnlyActWhenTheyHaveTo) {
    ScratchTarget target;
    TConversao conversao(target.Database());
    TargetTransaction& transacao = target.Transaction();

    conversao.PConfirmaTransacao(transacao); // none in progress: nothing, no error
    conversao.PCancelaTransacao(transacao);
    EXPECT_FALSE(transacao.InTransaction());

    conversao.PIniciaTransacao(transacao);
    Insert(target.Database(), QStringLiteral("INSERT INTO GRUPROD (CODGRUPO) VALUES ('001')"));
    conversao.PIniciaTransacao(transacao); // already in progress: the same one goes on
    conversao.PConfirmaTransacao(transacao);
    EXPECT_FALSE(transacao.InTransaction());
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")).size(), 1u);

    Insert(target.Database(), QStringLiteral("INSERT INTO GRUPROD (CODGRUPO) VALUES ('002')"));
    conversao.PCancelaTransacao(transacao);
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")).size(), 1u);
}

TEST(TConversao, PLimpaTabelaEmptiesAndCommitsOrReportsTheServersReason) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    TConversao conversao(target.Database());
    Insert(target.Database(), QStringLiteral("INSERT INTO GRUPROD (CODGRUPO) VALUES ('001')"));

    conversao.PLimpaTabela(QStringLiteral("GRUPROD"));
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT * FROM GRUPROD")).empty());
    EXPECT_FALSE(conversao.ErroGravacao());
    EXPECT_TRUE(ui->Messages().empty());

    conversao.PLimpaTabela(QStringLiteral("NAO_EXISTE"));
    EXPECT_TRUE(conversao.ErroGravacao());
    ASSERT_EQ(ui->Messages().size(), 1u);
    const auto& message = ui->Messages().front();
    EXPECT_EQ(message.kind, RecordingUserInterface::Kind::Error);
    EXPECT_TRUE(
        message.text.startsWith(QStringLiteral("Erro na Exclusão da tabela NAO_EXISTE.\r")));
    EXPECT_TRUE(message.text.contains(QStringLiteral("NAO_EXISTE"), Qt::CaseSensitive));
    EXPECT_TRUE(message.text.contains(QStringLiteral("Table unknown")))
        << message.text.toStdString();
    EXPECT_TRUE(
        message.text.endsWith(QStringLiteral("\rVerifique se a tabela está em Transação.")));
}

TEST(TConversao, TriggersSwitchOffAndOnAndAFailureIsOnlyAWarning) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    TConversao conversao(target.Database());

    conversao.DesativaTriggers(target.Database(), target.Transaction());
    EXPECT_EQ(TriggerInactive(target), QStringLiteral("1"));
    EXPECT_FALSE(target.Transaction().InTransaction());
    conversao.AtivaTriggers(target.Database(), target.Transaction());
    EXPECT_EQ(TriggerInactive(target), QStringLiteral("0"));
    EXPECT_TRUE(ui->Messages().empty());

    target.Execute({QStringLiteral("DROP TRIGGER PRODUTO_BI0")});
    conversao.DesativaTriggers(target.Database(), target.Transaction());
    conversao.AtivaTriggers(target.Database(), target.Transaction());
    ASSERT_EQ(ui->Messages().size(), 2u);
    EXPECT_EQ(ui->Messages()[0].kind, RecordingUserInterface::Kind::Warning);
    EXPECT_TRUE(
        ui->Messages()[0].text.startsWith(QStringLiteral("Erro ao desativar as Triggers: ")));
    EXPECT_TRUE(ui->Messages()[1].text.startsWith(QStringLiteral("Erro ao ativar as Triggers: ")));
    EXPECT_FALSE(target.Transaction().InTransaction());
}
