#include "db/SourceConnection.h"
#include "run/ParameterList.h"
#include "run/RunReport.h"
#include "run/UClassesConversaoController.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

ParameterList AllTables() {
    ParameterList params;
    for (const char16_t* key :
         {u"CLIENTES", u"FORNECEDORES", u"GRUPOSPRODUTOS", u"CLASSIFICACAOFISCAL", u"PRODUTOS"})
        params.SetValue(QString::fromUtf16(key), u"S"_qs);
    return params;
}

// Every row of the tables a run writes, to tell whether a check changed any.
std::vector<QStringList> Everything(const ScratchTarget& target) {
    std::vector<QStringList> rows;
    for (const char16_t* table : {u"CLIENTE", u"CIDADES", u"FORNECE", u"GRUPROD", u"CLASFISC",
                                  u"PRODUTO", u"COMPPROD", u"PRODUTODETALHE", u"CADFABR"}) {
        const QString name = QString::fromUtf16(table);
        for (QStringList row : target.Rows(u"SELECT * FROM "_qs + name)) {
            row.prepend(name);
            rows.push_back(row);
        }
    }
    return rows;
}

// A target that held a converted pharmacy already.
void LoadEarlierConversion(const ScratchTarget& target) {
    target.Execute({
        u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs,
        u"INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM) VALUES ('9999', '99999999')"_qs,
        u"INSERT INTO CADFABR (CODFABRIC, DESCRICAO) VALUES ('00001', 'Velho')"_qs,
        u"INSERT INTO CLIENTE (CODCLIENTE, NOME) VALUES ('00000099', 'ANTIGO')"_qs,
    });
}

struct Onlookers {
    ScopedRecordingUserInterface ui;
    RecordingGauge barra;
    RecordingLabel info;
};

} // namespace

TEST(FVerificaConversao, ListsEveryRowARunWouldFailOnAndKeepsEveryRowOfTheTarget) {
    LegacyDatabase legacy;
    legacy.Execute({
        u"INSERT INTO TBCLIENTES (CONTROLE, NOME, CIDADE, ESTADO) VALUES (1, 'Ana', 'Betim', 'MG')"_qs,
        // Codes keep their last three digits: both groups become 005.
        u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Um'), (7, 'Sete'), "
        u"(2005, 'Dois')"_qs,
        // The key keeps four characters: 12345 becomes 1234 as well.
        u"INSERT INTO TB_CODIGO_NCM (CONTROLE, NCM) VALUES (1234, '3004.90.99'), "
        u"(12345, '2106.90.30')"_qs,
        u"INSERT INTO TBESTOQUE (CODIGO, PRODUTO, FABRICANTE, PRECOVENDA, CODNCM) VALUES "
        u"('42', 'Dipirona', 'Serra Azul', 'abc', '30049099'), "
        u"('000043', 'Sabonete', 'Serra Azul', '3.5', '30049099'), "
        u"('43', 'Xampu', 'Aurora', '4', '34011190'), "
        u"('44', 'Creme', 'Aurora', '5', '34011190')"_qs,
    });
    ScratchTarget target;
    LoadEarlierConversion(target);
    const std::vector<QStringList> before = Everything(target);
    QTemporaryDir folder;
    const QString file = folder.filePath(u"verificacao.json"_qs);
    SourceConnection source(legacy.Parameters());
    Onlookers run;
    TClassesConversaoController controller;
    controller.SetReportFile(file);

    EXPECT_FALSE(controller.FVerificaConversao(AllTables(), source, target.Database(),
                                               target.Transaction(), run.barra, run.info));

    EXPECT_EQ(Everything(target), before);
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_EQ(run.ui->Messages(), std::vector<RecordingUserInterface::Message>{});
    const RunReport& report = controller.Report();
    EXPECT_EQ(report.error, QString());
    const QString listing = CheckListing(report);
    EXPECT_TRUE(listing.startsWith(
        u"Verificação concluída: 4 problemas em 3 tabelas impediriam a conversão:\n"
        u"TBGRUPO CONTROLE 2005: Código 005 repetido: TBGRUPO CONTROLE 1005 e 2005\n"
        u"TB_CODIGO_NCM CONTROLE 12345: código repetido no destino\n"
        u"TBESTOQUE CODIGO 42, coluna PRECOVENDA: 'abc': 'abc' não é um valor numérico válido\n"
        u"TBESTOQUE CODIGO 43: Código 000043 repetido: TBESTOQUE CODIGO 000043 e 43"_qs))
        << listing.toStdString();

    // Each table as the run would see it: the products find the classification the check
    // converted before them, and create only the one it did not.
    ASSERT_EQ(report.tables.size(), 5u);
    const TableReport& produtos = report.tables[4];
    EXPECT_EQ(produtos.tally.Read(), 4);
    EXPECT_EQ(produtos.written,
              (std::vector<std::pair<QString, int>>{
                  {u"PRODUTO"_qs, 2}, {u"COMPPROD"_qs, 2}, {u"PRODUTODETALHE"_qs, 2}}));
    EXPECT_EQ(produtos.tally.CreatedRows().at(u"CLASFISC"_qs).values, QStringList{u"34011190"_qs});
    EXPECT_EQ(produtos.tally.Problems().front().message,
              u"'abc' não é um valor numérico válido\nTBESTOQUE CODIGO 42, coluna PRECOVENDA: "
              u"'abc'"_qs);
    std::vector<TableReport::Status> statuses;
    for (const TableReport& table : report.tables)
        statuses.push_back(table.status);
    using S = TableReport::Status;
    EXPECT_EQ(statuses, (std::vector<S>{S::Ok, S::Ok, S::WouldFail, S::WouldFail, S::WouldFail}));

    QFile json(file);
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject written = QJsonDocument::fromJson(json.readAll()).object();
    EXPECT_TRUE(written.value(u"check"_qs).toBool());
    const QJsonObject groups = written.value(u"tables"_qs).toArray().at(2).toObject();
    EXPECT_EQ(groups.value(u"status"_qs).toString(), u"would fail"_qs);
    EXPECT_EQ(groups.value(u"problems"_qs).toArray().at(0).toObject().value(u"key"_qs).toString(),
              u"2005"_qs);

    // The run that follows fails at the first of them, as it always did.
    EXPECT_FALSE(TClassesConversaoController().FEfetuaConversao(
        AllTables(), source, target.Database(), target.Transaction(), run.barra, run.info));
    EXPECT_TRUE(run.ui->Messages().back().text.contains(
        u"\nCódigo 005 repetido: TBGRUPO CONTROLE 1005 e 2005\n"_qs))
        << run.ui->Messages().back().text.toStdString();
}

TEST(FVerificaConversao, CleanDataIsSaidToBeCleanAndTheRunThatFollowsGoesThrough) {
    LegacyDatabase legacy;
    legacy.Execute({
        u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Um'), (2, 'Dois')"_qs,
        u"INSERT INTO TBESTOQUE (CODIGO, PRODUTO, FABRICANTE, PRECOVENDA) VALUES "
        u"('42', 'Dipirona', 'Serra Azul', '12,50'), ('  ', 'Sem código', 'Aurora', '1')"_qs,
    });
    ScratchTarget target;
    LoadEarlierConversion(target);
    const std::vector<QStringList> before = Everything(target);
    SourceConnection source(legacy.Parameters());
    Onlookers run;
    TClassesConversaoController controller;

    EXPECT_TRUE(controller.FVerificaConversao(AllTables(), source, target.Database(),
                                              target.Transaction(), run.barra, run.info));

    EXPECT_EQ(Everything(target), before);
    EXPECT_EQ(CheckListing(controller.Report()),
              u"Verificação concluída: nenhum registro impede a conversão."_qs);
    // What the run would change without failing is counted all the same.
    EXPECT_EQ(controller.Report().tables[4].tally.Skipped(),
              (std::map<QString, int>{{u"código em branco"_qs, 1}}));
    EXPECT_TRUE(TClassesConversaoController().FEfetuaConversao(
        AllTables(), source, target.Database(), target.Transaction(), run.barra, run.info));
    EXPECT_EQ(target.Rows(u"SELECT CODPROD FROM PRODUTO"_qs),
              (std::vector<QStringList>{{u"000042"_qs}}));
}
