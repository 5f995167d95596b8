#include "db/SourceConnection.h"
#include "run/ParameterList.h"
#include "run/UClassesConversaoController.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

const QString kLongGroup = u"Perfumaria e higiene pessoal diária"_qs;
const QString kLongProduct = u"Dipirona sódica 500 mg com 20 comprimidos revestidos 1"_qs;
const QString kLongName = u"Maria Aparecida dos Santos Oliveira Pereira da Silva Nogueira Costa"_qs;

// A legacy pharmacy with one of each thing a report counts: rows read, written and skipped
// for a reason, reference rows created, values cut.
void LoadPharmacy(const LegacyDatabase& legacy) {
    legacy.Execute({
        u"INSERT INTO TBCLIENTES (CONTROLE, NOME, CIDADE, ESTADO) VALUES "
        u"(12, 'Ana', 'Contagem', 'MG'), (13, 'José', 'contagem', 'mg'), "
        u"(14, '"_qs +
            kLongName + u"', NULL, NULL)"_qs,
        u"INSERT INTO TBFORNECEDOR (CONTROLE, EMPRESA, CIDADE, ESTADO) VALUES "
        u"(7, 'Distribuidora Sul', 'Betim', 'MG')"_qs,
        u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Genéricos'), (6, '"_qs + kLongGroup +
            u"')"_qs,
        u"INSERT INTO TB_CODIGO_NCM (CONTROLE, NCM) VALUES (1, '3004.90.99'), (2, '30049099'), "
        u"(3, '2106.90.30')"_qs,
        u"INSERT INTO TBESTOQUE (CODIGO, PRODUTO, FABRICANTE, PRECOVENDA, CODNCM) VALUES "
        u"('42', 'Dipirona', 'Serra Azul', '12,50', '30049099'), "
        u"('43', 'Sabonete', 'Serra Azul', '3.5', '3401.11.90'), "
        u"('  ', 'Sem código', 'Aurora', '1', NULL), "
        u"('44', '"_qs +
            kLongProduct + u"', 'Aurora', '2', NULL)"_qs,
    });
}

QJsonObject Created(const QStringList& values) {
    return {{u"count"_qs, values.size()}, {u"values"_qs, QJsonArray::fromStringList(values)}};
}

QJsonObject Cut(const QString& example, const QString& kept) {
    return {{u"count"_qs, 1}, {u"example"_qs, example}, {u"kept"_qs, kept}};
}

QJsonObject ReadReport(const QString& file) {
    QFile in(file);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
    return QJsonDocument::fromJson(in.readAll()).object();
}

// What a report says of one table, but its time, which a test cannot know.
struct Table {
    QString legacy{};
    QString target{};
    int read = 0;
    QJsonObject written{};
    QJsonObject skipped{};
    QJsonObject created{};
    QJsonObject cut{};
    QString status{};

    QJsonObject Json() const {
        return {{u"legacy_table"_qs, legacy},
                {u"target_table"_qs, target},
                {u"read"_qs, read},
                {u"written"_qs, written},
                {u"skipped"_qs, skipped},
                {u"created"_qs, created},
                {u"cut"_qs, cut},
                {u"status"_qs, status}};
    }
};

// The report's tables are these, each with a number of seconds.
void ExpectTables(const QJsonObject& report, const std::vector<Table>& expected) {
    const QJsonArray tables = report.value(u"tables"_qs).toArray();
    ASSERT_EQ(tables.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QJsonObject table = tables[static_cast<qsizetype>(i)].toObject();
        EXPECT_GE(table.take(u"seconds"_qs).toDouble(-1), 0.0);
        EXPECT_EQ(table, expected[i].Json()) << QJsonDocument(table).toJson().constData();
    }
}

ParameterList Ticked(std::initializer_list<const char16_t*> keys) {
    ParameterList params;
    for (const char16_t* key : keys)
        params.SetValue(QString::fromUtf16(key), u"S"_qs);
    return params;
}

} // namespace

TEST(RunReport, AccountsForEveryRowReadWrittenSkippedCreatedAndCut) {
    LegacyDatabase legacy;
    LoadPharmacy(legacy);
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source(legacy.Parameters());
    RecordingGauge barra;
    RecordingLabel info;
    QTemporaryDir folder;
    const QString file = folder.filePath(u"relatorio.json"_qs);
    TClassesConversaoController controller;
    controller.SetReportFile(file);

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_TRUE(controller.FEfetuaConversao(Ticked({u"CLIENTES", u"FORNECEDORES", u"GRUPOSPRODUTOS",
                                                    u"CLASSIFICACAOFISCAL", u"PRODUTOS"}),
                                            source, target.Database(), target.Transaction(), barra,
                                            info))
        << ui->Messages().back().text.toStdString();

    const QJsonObject report = ReadReport(file);
    ExpectTables(report,
                 {{.legacy = u"TBCLIENTES"_qs,
                   .target = u"CLIENTE"_qs,
                   .read = 3,
                   .written = {{u"CLIENTE"_qs, 3}},
                   .created = {{u"CIDADES"_qs, Created({u"CONTAGEM / MG"_qs})}},
                   .cut = {{u"CLIENTE.NOME"_qs, Cut(kLongName, kLongName.left(60))}},
                   .status = u"ok"_qs},
                  {.legacy = u"TBFORNECEDOR"_qs,
                   .target = u"FORNECE"_qs,
                   .read = 1,
                   .written = {{u"FORNECE"_qs, 1}},
                   .created = {{u"CIDADES"_qs, Created({u"BETIM / MG"_qs})}},
                   .status = u"ok"_qs},
                  {.legacy = u"TBGRUPO"_qs,
                   .target = u"GRUPROD"_qs,
                   .read = 2,
                   .written = {{u"GRUPROD"_qs, 2}},
                   .cut = {{u"GRUPROD.CODGRUPO"_qs, Cut(u"1005"_qs, u"005"_qs)},
                           {u"GRUPROD.DESCRICAO"_qs, Cut(kLongGroup, kLongGroup.left(30))}},
                   .status = u"ok"_qs},
                  {.legacy = u"TB_CODIGO_NCM"_qs,
                   .target = u"CLASFISC"_qs,
                   .read = 3,
                   .written = {{u"CLASFISC"_qs, 2}},
                   .skipped = {{u"classificação já existente"_qs, 1}},
                   .status = u"ok"_qs},
                  {.legacy = u"TBESTOQUE"_qs,
                   .target = u"PRODUTO"_qs,
                   .read = 4,
                   .written = {{u"PRODUTO"_qs, 3}, {u"COMPPROD"_qs, 3}, {u"PRODUTODETALHE"_qs, 3}},
                   .skipped = {{u"código em branco"_qs, 1}},
                   .created = {{u"CADFABR"_qs, Created({u"Serra Azul"_qs, u"Aurora"_qs})},
                               {u"CLASFISC"_qs, Created({u"34011190"_qs})}},
                   .cut = {{u"PRODUTO.DESCRICAO"_qs, Cut(kLongProduct, kLongProduct.left(50))}},
                   .status = u"ok"_qs}});

    EXPECT_EQ(report.value(u"target"_qs).toString(), target.Path());
    EXPECT_EQ(report.value(u"source"_qs).toObject().value(u"database"_qs).toString(),
              legacy.Name());
    EXPECT_FALSE(report.value(u"source"_qs).toObject().contains(u"password"_qs));
    EXPECT_TRUE(report.value(u"backup"_qs).isNull());
    EXPECT_TRUE(report.value(u"error"_qs).isNull());
    const QDateTime start =
        QDateTime::fromString(report.value(u"start"_qs).toString(), Qt::ISODate);
    const QDateTime end = QDateTime::fromString(report.value(u"end"_qs).toString(), Qt::ISODate);
    EXPECT_LE(before, start);
    EXPECT_LE(start, end);
    EXPECT_LE(end, QDateTime::currentDateTime().addSecs(1));

    // The operator reads the same counts under the described message.
    EXPECT_EQ(ui->Messages().back().text, u"Conversão concluída com sucesso!"_qs);
    EXPECT_EQ(
        ui->OutcomeDetails(),
        QStringList{u"Clientes: 3 lidos; gravados 3 em CLIENTE; criados 1 em CIDADES; 1 valores "
                    u"cortados\n"
                    u"Fornecedores: 1 lidos; gravados 1 em FORNECE; criados 1 em CIDADES\n"
                    u"Grupos de Produtos: 2 lidos; gravados 2 em GRUPROD; 2 valores cortados\n"
                    u"Classificação Fiscal: 3 lidos; gravados 2 em CLASFISC; 1 ignorados "
                    u"(classificação já existente: 1)\n"
                    u"Produtos: 4 lidos; gravados 3 em PRODUTO, 3 em COMPPROD, 3 em "
                    u"PRODUTODETALHE; 1 ignorados (código em branco: 1); criados 2 em CADFABR, 1 "
                    u"em CLASFISC; 1 valores cortados\n"
                    u"Relatório: "_qs +
                    file});
}

TEST(RunReport, AFailedRunTellsWhatEachTableHoldsAfterTheRollbackAndWhy) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBCLIENTES (CONTROLE, NOME) VALUES (12, 'Ana')"_qs,
                    // Codes keep their last three digits: both groups become 005.
                    u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Um'), (2005, 'Dois')"_qs,
                    u"INSERT INTO TBESTOQUE (CODIGO, PRODUTO) VALUES ('1', 'Dipirona')"_qs});
    ScratchTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});
    ScopedRecordingUserInterface ui;
    SourceConnection source(legacy.Parameters());
    RecordingGauge barra;
    RecordingLabel info;
    QTemporaryDir folder;
    const QString file = folder.filePath(u"relatorio.json"_qs);
    const QString backup = folder.filePath(u"copia.fbk"_qs);
    TClassesConversaoController controller;
    controller.SetReportFile(file);
    controller.SetBackupFile(backup);

    ASSERT_FALSE(controller.FEfetuaConversao(Ticked({u"CLIENTES", u"GRUPOSPRODUTOS", u"PRODUTOS"}),
                                             source, target.Database(), target.Transaction(), barra,
                                             info));

    const QJsonObject report = ReadReport(file);
    ExpectTables(report,
                 {{.legacy = u"TBCLIENTES"_qs,
                   .target = u"CLIENTE"_qs,
                   .read = 1,
                   .written = {{u"CLIENTE"_qs, 1}},
                   .status = u"ok"_qs},
                  // The emptying was committed, the rows written after it were rolled back.
                  {.legacy = u"TBGRUPO"_qs,
                   .target = u"GRUPROD"_qs,
                   .read = 2,
                   .written = {{u"GRUPROD"_qs, 0}},
                   .cut = {{u"GRUPROD.CODGRUPO"_qs, QJsonObject{{u"count"_qs, 2},
                                                                {u"example"_qs, u"1005"_qs},
                                                                {u"kept"_qs, u"005"_qs}}}},
                   .status = u"failed"_qs},
                  {.legacy = u"TBESTOQUE"_qs, .target = u"PRODUTO"_qs, .status = u"not run"_qs}});
    EXPECT_EQ(report.value(u"backup"_qs).toString(), backup);
    const QString error = report.value(u"error"_qs).toString();
    EXPECT_TRUE(error.contains(u"PK_GRUPROD"_qs)) << error.toStdString();
    EXPECT_TRUE(error.endsWith(u"\nCódigo 005 repetido: TBGRUPO CONTROLE 1005 e 2005"_qs))
        << error.toStdString();

    EXPECT_EQ(ui->Messages().back().kind, RecordingUserInterface::Kind::Error);
    EXPECT_EQ(ui->OutcomeDetails(),
              QStringList{u"Clientes: 1 lidos; gravados 1 em CLIENTE\n"
                          u"Grupos de Produtos (interrompida): 2 lidos; gravados 0 em GRUPROD; 2 "
                          u"valores cortados\n"
                          u"Produtos: não tocada\n"
                          u"Relatório: "_qs +
                          file});
}

TEST(RunReport, AReportThatCannotBeWrittenIsSaidInsteadOfItsPath) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source;
    RecordingGauge barra;
    RecordingLabel info;
    TClassesConversaoController controller;
    controller.SetReportFile(u"/nao/existe/relatorio.json"_qs);

    // The conversion itself went well and stays a success.
    EXPECT_TRUE(controller.FEfetuaConversao(ParameterList(), source, target.Database(),
                                            target.Transaction(), barra, info));
    ASSERT_EQ(ui->OutcomeDetails().size(), 1);
    EXPECT_TRUE(ui->OutcomeDetails().front().startsWith(
        u"Não foi possível gravar o relatório em '/nao/existe/relatorio.json': "_qs))
        << ui->OutcomeDetails().front().toStdString();
    EXPECT_FALSE(QFile::exists(u"/nao/existe/relatorio.json"_qs));
}
