#include "db/SourceConnection.h"
#include "db/TargetQuery.h"
#include "run/ParameterList.h"
#include "run/UClassesConversaoController.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
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
