#include "db/SourceConnection.h"
#include "run/ParameterList.h"
#include "run/UClassesConversaoController.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"

#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

// A group conversion run through the controller, as "Converter" runs it.
class GroupImportTest : public ::testing::Test {
protected:
    bool Run() {
        ParameterList params;
        params.Add(QStringLiteral("GRUPOSPRODUTOS"));
        params.SetValue(QStringLiteral("GRUPOSPRODUTOS"), QStringLiteral("S"));
        return TClassesConversaoController().FEfetuaConversao(params, source, target.Database(),
                                                              target.Transaction(), barra, info);
    }

    std::vector<QStringList> Groups() {
        return target.Rows(QStringLiteral("SELECT CODGRUPO, DESCRICAO, DIASESTMAXIMO, "
                                          "DIASESTMINIMO FROM GRUPROD ORDER BY CODGRUPO"));
    }

    LegacyDatabase legacy;
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source{legacy.Parameters()};
    RecordingGauge barra;
    RecordingLabel info;
};

} // namespace

TEST_F(GroupImportTest, ConvertsEveryLegacyGroupWithProgress) {
    legacy.Execute({QStringLiteral(
        "INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, '  Medicamentos  '), (12, NULL), "
        "(1234, 'Higiene e beleza: cuidados pessoais diários'), (7, 'Perfumaria D''Ávila')")});
    target.Execute(
        {QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'velho')")});

    EXPECT_TRUE(Run());

    EXPECT_EQ(Groups(), (std::vector<QStringList>{
                            {u"001"_qs, u"Medicamentos"_qs, u"0"_qs, u"0"_qs},
                            {u"007"_qs, u"Perfumaria D'Ávila"_qs, u"0"_qs, u"0"_qs},
                            {u"012"_qs, QString(), u"0"_qs, u"0"_qs},
                            {u"234"_qs, u"Higiene e beleza: cuidados pes"_qs, u"0"_qs, u"0"_qs},
                        }));
    QStringList captions;
    for (int row = 1; row <= 4; ++row)
        captions.append(
            QStringLiteral("Convertendo Grupos de produtos - Registro %1 de 4").arg(row));
    captions.append(QString());
    EXPECT_EQ(info.Captions(), captions);
    EXPECT_EQ(barra.History(), (QStringList{u"progress=0"_qs, u"max=4"_qs, u"progress=1"_qs,
                                            u"progress=2"_qs, u"progress=3"_qs, u"progress=4"_qs,
                                            u"progress=0"_qs, u"max=0"_qs, u"progress=0"_qs}));
    EXPECT_EQ(ui->EventRounds(), 4);
    EXPECT_EQ(ui->Messages().back().text, QStringLiteral("Conversão concluída com sucesso!"));
}

TEST_F(GroupImportTest, AnEmptyLegacyTableLeavesAnEmptyTargetTable) {
    target.Execute(
        {QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'velho')")});
    EXPECT_TRUE(Run());
    EXPECT_TRUE(Groups().empty());
    EXPECT_EQ(info.Captions(), QStringList{QString()});
    EXPECT_EQ(barra.History(), (QStringList{u"progress=0"_qs, u"max=0"_qs, u"progress=0"_qs,
                                            u"max=0"_qs, u"progress=0"_qs}));
}

TEST_F(GroupImportTest, ADuplicateCodeEndsTheRunWithTheServersMessageAndTheRowsThatGaveIt) {
    legacy.Execute({QStringLiteral(
        "INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Primeiro'), (2005, 'Segundo')")});
    target.Execute(
        {QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'velho')")});

    EXPECT_FALSE(Run());

    ASSERT_EQ(ui->Messages().size(), 1u);
    EXPECT_EQ(ui->Messages()[0].kind, RecordingUserInterface::Kind::Error);
    EXPECT_TRUE(ui->Messages()[0].text.startsWith(QStringLiteral(
        "Ocorreu um erro durante a conversão! Motivo: violation of PRIMARY or UNIQUE KEY")))
        << ui->Messages()[0].text.toStdString();
    EXPECT_TRUE(ui->Messages()[0].text.endsWith(
        QStringLiteral("\nTBGRUPO CONTROLE 2005\nCódigo 005 repetido: TBGRUPO CONTROLE 1005 e "
                       "2005\nGrupos de Produtos: interrompida, 0 registros em GRUPROD")))
        << ui->Messages()[0].text.toStdString();
    // The clearing was committed; the row written after it was rolled back with the failure.
    EXPECT_TRUE(Groups().empty());
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_EQ(info.Caption(), QStringLiteral("Convertendo Grupos de produtos - Registro 2 de 2"));
    EXPECT_EQ(barra.History().mid(barra.History().size() - 2),
              (QStringList{u"progress=0"_qs, u"max=0"_qs}));
}

TEST_F(GroupImportTest, AMissingLegacyTableFailsBeforeTheTargetIsTouched) {
    legacy.Execute({QStringLiteral("DROP TABLE TBGRUPO")});
    target.Execute(
        {QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('900', 'velho')")});
    EXPECT_FALSE(Run());
    EXPECT_EQ(Groups(),
              (std::vector<QStringList>{{u"900"_qs, u"velho"_qs, u"<null>"_qs, u"<null>"_qs}}));
    EXPECT_TRUE(ui->Messages()[0].text.contains(QStringLiteral("doesn't exist")));
}
