#include "db/SourceConnection.h"
#include "db/TargetQuery.h"
#include "run/ParameterList.h"
#include "run/UClassesConversaoController.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/Interruption.h"
#include "ui/RecordingUi.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(FEfetuaConversao, NothingTickedStillCommitsTheOpenTransactionAndReportsSuccess) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source;
    RecordingGauge barra;
    RecordingLabel info;
    barra.SetProgress(40);

    // Work done in the transaction "Abrir" started is committed by the run.
    target.Transaction().StartTransaction();
    TargetQuery query(target.Database());
    query.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO) VALUES ('001')"));
    query.ExecSQL();

    ParameterList params;
    params.Add(QStringLiteral("CLIENTES"));
    params.SetValue(QStringLiteral("CLIENTES"), QStringLiteral("s"));
    TClassesConversaoController controller;
    EXPECT_TRUE(controller.FEfetuaConversao(params, source, target.Database(), target.Transaction(),
                                            barra, info));

    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")).size(), 1u);
    EXPECT_EQ(ui->Messages(), (std::vector<RecordingUserInterface::Message>{
                                  {RecordingUserInterface::Kind::Information,
                                   QStringLiteral("Conversão concluída com sucesso!")}}));
    EXPECT_EQ(barra.Progress(), 0);
    EXPECT_FALSE(source.Connected()); // nothing ticked: the source is never opened
}

TEST(FEfetuaConversao, StartsATransactionWhenNoneIsInProgress) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source;
    RecordingGauge barra;
    RecordingLabel info;
    TClassesConversaoController controller;
    EXPECT_TRUE(controller.FEfetuaConversao(ParameterList(), source, target.Database(),
                                            target.Transaction(), barra, info));
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_EQ(barra.History(), (QStringList{u"progress=0"_qs, u"progress=0"_qs}));
}

TEST(FEfetuaConversao, AllFiveTablesRunInTheirFixedOrderAgainstOneLegacyDatabase) {
    LegacyDatabase legacy;
    legacy.Execute({
        u"INSERT INTO TBCLIENTES (CONTROLE, NOME, CIDADE, ESTADO) VALUES (1, 'Ana', 'Contagem', 'MG')"_qs,
        u"INSERT INTO TBFORNECEDOR (CONTROLE, EMPRESA, CIDADE, ESTADO) VALUES "
        u"(7, 'Distribuidora Sul', 'Betim', 'MG')"_qs,
        u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (3, 'Genéricos')"_qs,
        u"INSERT INTO TB_CODIGO_NCM (CONTROLE, NCM) VALUES (12, '3004.90.99')"_qs,
        u"INSERT INTO TBESTOQUE (CODIGO, PRODUTO, GRUPO, FABRICANTE, PRECOVENDA, CODNCM) VALUES "
        u"('42', 'Dipirona 500mg', 3, 'Laboratório Serra Azul', '12,50', '30049099'), "
        u"('43', 'Sabonete', 3, 'Laboratório Serra Azul', '3.5', '34011190')"_qs,
    });
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source(legacy.Parameters());
    RecordingGauge barra;
    RecordingLabel info;
    ParameterList params;
    // Ticked in the window's order of boxes; the run keeps its own order.
    for (const char16_t* key :
         {u"PRODUTOS", u"CLASSIFICACAOFISCAL", u"GRUPOSPRODUTOS", u"FORNECEDORES", u"CLIENTES"})
        params.SetValue(QString::fromUtf16(key), QStringLiteral("S"));

    EXPECT_TRUE(TClassesConversaoController().FEfetuaConversao(params, source, target.Database(),
                                                               target.Transaction(), barra, info));

    EXPECT_EQ(ui->Messages().back().text, QStringLiteral("Conversão concluída com sucesso!"));
    QStringList tables;
    for (const QString& caption : info.Captions())
        if (caption.endsWith(QStringLiteral("Registro 1 de 1")) ||
            caption.endsWith(QStringLiteral("Registro 1 de 2")))
            tables.append(caption.section(QStringLiteral(" - "), 0, 0));
    EXPECT_EQ(tables,
              (QStringList{u"Convertendo Clientes"_qs, u"Convertendo Fornecedores"_qs,
                           u"Convertendo Grupos de produtos"_qs,
                           u"Convertendo Classificacao Fiscal"_qs, u"Convertendo Produtos"_qs}));
    EXPECT_EQ(target.Rows(u"SELECT CODCLIENTE, NOME, CODCIDADE FROM CLIENTE"_qs),
              (std::vector<QStringList>{{u"00000001"_qs, u"ANA"_qs, u"00001"_qs}}));
    EXPECT_EQ(
        target.Rows(u"SELECT CODCIDADE, CIDADE FROM CIDADES ORDER BY 1"_qs),
        (std::vector<QStringList>{{u"00001"_qs, u"CONTAGEM"_qs}, {u"00002"_qs, u"BETIM"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT COUNT(*) FROM FORNECE"_qs),
              (std::vector<QStringList>{{u"1"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"003"_qs, u"Genéricos"_qs}}));
    // The first product finds the classification converted just before it; the second
    // creates the one it lacks.
    EXPECT_EQ(
        target.Rows(u"SELECT CODCLASFIS, CODIGONCM FROM CLASFISC ORDER BY 1"_qs),
        (std::vector<QStringList>{{u"0012"_qs, u"30049099"_qs}, {u"0013"_qs, u"34011190"_qs}}));
    EXPECT_EQ(
        target.Rows(u"SELECT CODPROD, CODGRUPO, CODFABRIC, CODCLASFIS, PRECO FROM PRODUTO "
                    u"ORDER BY 1"_qs),
        (std::vector<QStringList>{{u"000042"_qs, u"003"_qs, u"00001"_qs, u"0012"_qs, u"12.5"_qs},
                                  {u"000043"_qs, u"003"_qs, u"00001"_qs, u"0013"_qs, u"3.5"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT COUNT(*) FROM COMPPROD"_qs),
              (std::vector<QStringList>{{u"2"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT COUNT(*) FROM PRODUTODETALHE"_qs),
              (std::vector<QStringList>{{u"2"_qs}}));
}

TEST(FEfetuaConversao, ASourceThatCannotBeReadFailsTheRunBeforeAnythingIsEmptied) {
    struct Case {
        const char* what;
        QStringList breakage;    // statements on the legacy database
        SourceParameters source; // where the run looks for it
    };
    LegacyDatabase legacy;
    SourceParameters elsewhere = legacy.Parameters();
    elsewhere.socket = QStringLiteral("/nonexistent/mysqld.sock");
    SourceParameters missing = legacy.Parameters();
    missing.database = legacy.Name() + QStringLiteral("_missing");
    const Case cases[] = {
        {"no server", {}, elsewhere},
        {"no such database", {}, missing},
        {"a missing column",
         {u"ALTER TABLE TB_CODIGO_NCM DROP COLUMN NCM"_qs},
         legacy.Parameters()},
        {"a missing table", {u"DROP TABLE TB_CODIGO_NCM"_qs}, legacy.Parameters()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        legacy.Execute(c.breakage);
        ScratchTarget target;
        target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'velho')"_qs,
                        u"INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM) VALUES ('0001', '1')"_qs});
        ScopedRecordingUserInterface ui;
        SourceConnection source(c.source);
        RecordingGauge barra;
        RecordingLabel info;
        ParameterList params;
        params.SetValue(u"GRUPOSPRODUTOS"_qs, u"S"_qs);
        params.SetValue(u"CLASSIFICACAOFISCAL"_qs, u"S"_qs);

        EXPECT_FALSE(TClassesConversaoController().FEfetuaConversao(
            params, source, target.Database(), target.Transaction(), barra, info));

        ASSERT_EQ(ui->Messages().size(), 1u);
        EXPECT_EQ(ui->Messages()[0].kind, RecordingUserInterface::Kind::Error);
        EXPECT_TRUE(
            ui->Messages()[0].text.startsWith(u"Ocorreu um erro durante a conversão! Motivo: "_qs))
            << ui->Messages()[0].text.toStdString();
        EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs),
                  (std::vector<QStringList>{{u"900"_qs}}));
        EXPECT_EQ(target.Rows(u"SELECT CODCLASFIS FROM CLASFISC"_qs),
                  (std::vector<QStringList>{{u"0001"_qs}}));
        EXPECT_TRUE(info.Captions().isEmpty());
    }
}

TEST(FEfetuaConversao, ABackupThatFailsEndsTheRunBeforeAnythingIsEmptied) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Novo')"_qs});
    ScratchTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'velho')"_qs});
    ScopedRecordingUserInterface ui;
    SourceConnection source(legacy.Parameters());
    RecordingGauge barra;
    RecordingLabel info;
    ParameterList params;
    params.SetValue(u"GRUPOSPRODUTOS"_qs, u"S"_qs);
    TClassesConversaoController controller;
    controller.SetBackupFile(u"/nonexistent/folder/target.fb.fbk"_qs);

    EXPECT_FALSE(controller.FEfetuaConversao(params, source, target.Database(),
                                             target.Transaction(), barra, info));

    ASSERT_EQ(ui->Messages().size(), 1u);
    EXPECT_EQ(ui->Messages()[0].text,
              u"Ocorreu um erro durante a conversão! Motivo: A cópia de segurança não foi feita e "
              u"nada foi apagado: Não foi possível criar a cópia de segurança em "
              u"'/nonexistent/folder/target.fb.fbk': No such file or directory\nGrupos de "
              u"Produtos: não tocada"_qs);
    EXPECT_EQ(controller.BackupMade(), QString());
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"900"_qs, u"velho"_qs}}));
}

TEST(FEfetuaConversao, EachWarningIsShownOnceAndTheRunEndsWithTheirSummaryNotSuccess) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBESTOQUE (CODIGO, FABRICANTE) VALUES "
                    u"('1', 'Alfa'), ('2', 'Beta'), ('3', 'Alfa')"_qs});
    ScratchTarget target;
    // A code the column allows but no new code can follow.
    target.Execute({u"INSERT INTO CADFABR (CODFABRIC, DESCRICAO) VALUES ('ZZZ', 'Velho')"_qs});
    ScopedRecordingUserInterface ui;
    SourceConnection source(legacy.Parameters());
    RecordingGauge barra;
    RecordingLabel info;
    ParameterList params;
    params.SetValue(u"PRODUTOS"_qs, u"S"_qs);
    TClassesConversaoController controller;

    EXPECT_TRUE(controller.FEfetuaConversao(params, source, target.Database(), target.Transaction(),
                                            barra, info));

    using Kind = RecordingUserInterface::Kind;
    EXPECT_EQ(
        ui->Messages(),
        (std::vector<RecordingUserInterface::Message>{
            {Kind::Warning,
             u"Erro ao converter Fabricante. Motivo: \r'ZZZ' não é um valor inteiro válido"_qs},
            {Kind::Warning, u"Conversão concluída com avisos!\n3 avisos:\n"
                            u"- Erro ao converter Fabricante. Motivo: 'ZZZ' não é um valor inteiro "
                            u"válido (3 registros)"_qs}}));
    EXPECT_EQ(controller.WarningCount(), 3);
    EXPECT_EQ(target.Rows(u"SELECT CODPROD, CODFABRIC FROM PRODUTO ORDER BY 1"_qs),
              (std::vector<QStringList>{
                  {u"000001"_qs, u""_qs}, {u"000002"_qs, u""_qs}, {u"000003"_qs, u""_qs}}));

    // The next run without warnings is a plain success again.
    target.Execute({u"DELETE FROM CADFABR"_qs});
    ui->Clear();
    EXPECT_TRUE(controller.FEfetuaConversao(params, source, target.Database(), target.Transaction(),
                                            barra, info));
    EXPECT_EQ(ui->Messages(), (std::vector<RecordingUserInterface::Message>{
                                  {Kind::Information, u"Conversão concluída com sucesso!"_qs}}));
    EXPECT_EQ(controller.WarningCount(), 0);
}

TEST(FEfetuaConversao, AnInterruptionAfterTheLastRowStillEndsTheRunWithoutSuccess) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source;
    RecordingGauge barra;
    RecordingLabel info;
    target.Transaction().StartTransaction();
    TargetQuery query(target.Database());
    query.SetSQL(u"INSERT INTO GRUPROD (CODGRUPO) VALUES ('001')"_qs);
    query.ExecSQL();

    RequestInterruption(u"Conversão interrompida"); // as the last row is done
    const bool converted = TClassesConversaoController().FEfetuaConversao(
        ParameterList(), source, target.Database(), target.Transaction(), barra, info);
    ClearInterruption();

    EXPECT_FALSE(converted);
    EXPECT_EQ(ui->Messages(),
              (std::vector<RecordingUserInterface::Message>{
                  {RecordingUserInterface::Kind::Error,
                   u"Ocorreu um erro durante a conversão! Motivo: Conversão interrompida"_qs}}));
    EXPECT_TRUE(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs).empty()); // rolled back
}

TEST(FEfetuaConversao, AnInterruptionBeforeATableLeavesItUntouched) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'A')"_qs});
    ScratchTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'velho')"_qs});
    ScopedRecordingUserInterface ui;
    SourceConnection source(legacy.Parameters());
    RecordingGauge barra;
    RecordingLabel info;
    ParameterList params;
    params.SetValue(u"GRUPOSPRODUTOS"_qs, u"S"_qs);

    RequestInterruption(u"Conversão interrompida");
    const bool converted = TClassesConversaoController().FEfetuaConversao(
        params, source, target.Database(), target.Transaction(), barra, info);
    ClearInterruption();

    EXPECT_FALSE(converted);
    EXPECT_EQ(ui->Messages(),
              (std::vector<RecordingUserInterface::Message>{
                  {RecordingUserInterface::Kind::Error,
                   u"Ocorreu um erro durante a conversão! Motivo: Conversão interrompida\n"
                   u"Grupos de Produtos: não tocada"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"900"_qs}}));
}
