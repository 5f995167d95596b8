#include "support/ExpectError.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"
#include "writers/classConversao.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

class LookupTest : public ::testing::Test {
protected:
    // What the lookups wrote becomes visible to other connections with the commit.
    std::vector<QStringList> Rows(const QString& select) {
        Commit();
        return target.Rows(select);
    }
    void Execute(const QStringList& statements) {
        Commit();
        target.Execute(statements);
    }
    void Commit() {
        if (target.Transaction().InTransaction())
            target.Transaction().Commit();
    }

    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    TConversao conversao{target.Database()};
};

} // namespace

TEST_F(LookupTest, FCidadeFindsOrCreatesUpperCasedCities) {
    EXPECT_EQ(conversao.FCidade(QStringLiteral("São Paulo"), QStringLiteral("sp")), u"00001"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("SÃO PAULO"), QStringLiteral("SP")), u"00001"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("sãO paulo"), QStringLiteral("Sp")), u"00001"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("D'Oeste"), QStringLiteral("MG")), u"00002"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("d'oeste"), QStringLiteral("mg")), u"00002"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("D'OESTE"), QStringLiteral("SP")), u"00003"_qs);
    EXPECT_EQ(Rows(QStringLiteral("SELECT CODCIDADE, CIDADE, ESTADO FROM CIDADES ORDER BY 1")),
              (std::vector<QStringList>{{u"00001"_qs, u"SÃO PAULO"_qs, u"SP"_qs},
                                        {u"00002"_qs, u"D'OESTE"_qs, u"MG"_qs},
                                        {u"00003"_qs, u"D'OESTE"_qs, u"SP"_qs}}));
}

TEST_F(LookupTest, FCidadeContinuesFromTheGreatestCodeAndKnowsTheCapitalsAbbreviation) {
    Execute({QStringLiteral("INSERT INTO CIDADES VALUES ('00041', 'BELO HORIZONTE', 'MG')")});
    EXPECT_EQ(conversao.FCidade(QStringLiteral("BHTE"), QStringLiteral("SP")), u"00041"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("bhte"), QStringLiteral("MG")), u"00042"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("BHTE "), QStringLiteral("SP")), u"00043"_qs);
    Execute({QStringLiteral("DELETE FROM CIDADES WHERE CIDADE = 'BELO HORIZONTE'")});
    EXPECT_EQ(conversao.FCidade(QStringLiteral("BHTE"), QStringLiteral("MG")), u"00042"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("BHTE"), QStringLiteral("RJ")), u"00044"_qs);
}

TEST_F(LookupTest, RepeatedQuestionsGetTheAnswersTheTableWouldGiveNow) {
    Execute({QStringLiteral("INSERT INTO CIDADES VALUES ('00041', 'BELO HORIZONTE', 'MG')")});
    EXPECT_EQ(conversao.FCidade(QStringLiteral("BHTE"), QStringLiteral("MG")), u"00041"_qs);
    // A city called BHTE in MG, created by another spelling, is what the search finds first.
    EXPECT_EQ(conversao.FCidade(QStringLiteral("bhte"), QStringLiteral("MG")), u"00042"_qs);
    EXPECT_EQ(conversao.FCidade(QStringLiteral("BHTE"), QStringLiteral("MG")), u"00042"_qs);

    // A rollback takes the created rows away, so asking again creates them again.
    Commit();
    EXPECT_EQ(conversao.FCidade(QStringLiteral("Alfa"), QStringLiteral("MG")), u"00043"_qs);
    EXPECT_EQ(conversao.FRetornaCodClasFis(QStringLiteral("30049099")), u"0001"_qs);
    target.Transaction().Rollback();
    EXPECT_EQ(conversao.FCidade(QStringLiteral("Alfa"), QStringLiteral("MG")), u"00043"_qs);
    EXPECT_EQ(conversao.FRetornaCodClasFis(QStringLiteral("30049099")), u"0001"_qs);
    EXPECT_EQ(Rows(QStringLiteral("SELECT CIDADE FROM CIDADES WHERE CODCIDADE = '00043'")),
              (std::vector<QStringList>{{u"ALFA"_qs}}));
    EXPECT_EQ(Rows(QStringLiteral("SELECT CODIGONCM FROM CLASFISC")),
              (std::vector<QStringList>{{u"30049099"_qs}}));
}

TEST_F(LookupTest, FindOrCreateLookupsStartAtTheirFirstCodeAndCutTheirTexts) {
    struct Case {
        std::function<QString(TConversao&, const QString&)> lookup;
        const char* select;
        const char16_t* first;
        const char16_t* second;
        QString longText;
        QString stored;
    };
    const QString sixty = QString(60, u'p');
    const Case cases[] = {
        {&TConversao::FGrupo, "SELECT DESCRICAO FROM GRUPROD ORDER BY CODGRUPO", u"001", u"002",
         QStringLiteral("higiene"), QStringLiteral("HIGIENE")},
        {&TConversao::FPais, "SELECT NOMEPAIS FROM PAISES ORDER BY CODPAIS", u"0001", u"0002",
         sixty + QStringLiteral("xyz"), QString(60, u'P')},
        {&TConversao::FClasCli, "SELECT DESCRICAO FROM CLASCLI ORDER BY CODCLASCLI", u"001", u"002",
         QStringLiteral("cliente especial de longa data"), QStringLiteral("CLIENTE ESPECIAL DE ")},
        {&TConversao::FLocalProd, "SELECT DESCRICAO FROM LOCALPROD ORDER BY CODLOCAL", u"00000001",
         u"00000002", QStringLiteral("prateleira do fundo, nivel 3"),
         QStringLiteral("PRATELEIRA DO FUNDO,")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.select);
        EXPECT_EQ(c.lookup(conversao, c.longText), QString::fromUtf16(c.first));
        EXPECT_EQ(c.lookup(conversao, c.longText), QString::fromUtf16(c.first));
        EXPECT_EQ(c.lookup(conversao, QStringLiteral("outro")), QString::fromUtf16(c.second));
        EXPECT_EQ(Rows(QString::fromLatin1(c.select)),
                  (std::vector<QStringList>{{c.stored}, {u"OUTRO"_qs}}));
    }
}

TEST_F(LookupTest, FRetornaCodClasFisFindsEveryFormOfOneNcmInTheStoredEightDigits) {
    Execute({QStringLiteral("INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM) VALUES "
                            "('0007', '21069030')")});
    struct Case {
        const char16_t* ncm;
        const char16_t* code;
    };
    const Case cases[] = {
        {u"21069030", u"0007"}, // converted from the legacy table before
        {u"2106.90.30", u"0007"},
        {u"3004.90.99", u"0008"},
        {u"30049099", u"0008"},
        {u" 3004-90/99 ", u"0008"},
        {u"(3004.90.99)", u"0008"},
        {u"3004909912", u"0008"}, // stored in its first eight digits, like the legacy table's
        {u"3004.90.69", u"0009"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.ncm).toStdString());
        EXPECT_EQ(conversao.FRetornaCodClasFis(QString::fromUtf16(c.ncm)),
                  QString::fromUtf16(c.code));
    }
    EXPECT_EQ(Rows(QStringLiteral("SELECT CODCLASFIS, CODIGONCM, CODNBM, CODNATRECEITA FROM "
                                  "CLASFISC ORDER BY 1")),
              (std::vector<QStringList>{{u"0007"_qs, u"21069030"_qs, u"<null>"_qs, u"<null>"_qs},
                                        {u"0008"_qs, u"30049099"_qs, u"30049099"_qs, u"999"_qs},
                                        {u"0009"_qs, u"30049069"_qs, u"30049069"_qs, u"999"_qs}}));
}

TEST_F(LookupTest, FRetornaCodClasFisKeepsFourCharacterCodes) {
    // Lookups count on being the only writer of their tables while they live, so rows written
    // from outside come before the object that looks up.
    Execute({QStringLiteral("INSERT INTO CLASFISC (CODCLASFIS) VALUES ('9999')")});
    TConversao later(target.Database());
    EXPECT_EQ(later.FRetornaCodClasFis(QStringLiteral("22222222")), u"1000"_qs);
    ExpectErrorContaining([&] { later.FRetornaCodClasFis(QStringLiteral("11111111")); },
                          QStringLiteral("PRIMARY or UNIQUE KEY"));
}

TEST_F(LookupTest, FFabricanteCommitsNewManufacturersAndOnlyWarnsOnFailure) {
    EXPECT_EQ(conversao.FFabricante(QString()), QString()); // never creates a nameless one
    const QString longName = QStringLiteral("Laboratório Serra Azul do Brasil Ltda");
    EXPECT_EQ(conversao.FFabricante(longName), u"00001"_qs);
    EXPECT_FALSE(target.Transaction().InTransaction()); // a commit point
    EXPECT_EQ(conversao.FFabricante(longName.left(30)), u"00001"_qs);
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODFABRIC, DESCRICAO FROM CADFABR")),
              (std::vector<QStringList>{{u"00001"_qs, longName.left(30)}}));

    EXPECT_EQ(conversao.FFabricante(QStringLiteral("Ωmega Farma")), QString());
    ASSERT_EQ(ui->Messages().size(), 1u);
    EXPECT_EQ(ui->Messages()[0].kind, RecordingUserInterface::Kind::Warning);
    EXPECT_TRUE(ui->Messages()[0].text.startsWith(
        QStringLiteral("Erro ao converter Fabricante. Motivo: \r")));

    Execute({QStringLiteral("INSERT INTO CADFABR VALUES ('ABC', 'X')")});
    TConversao later(target.Database());
    EXPECT_EQ(later.FFabricante(QStringLiteral("Novo")), QString()); // maximum not a number
    EXPECT_EQ(ui->Messages().size(), 2u);
}

TEST_F(LookupTest, FFamiliaAndFUnidade) {
    EXPECT_EQ(conversao.FFamilia(QStringLiteral("Analgésicos")), u"01"_qs);
    EXPECT_EQ(conversao.FFamilia(QStringLiteral("Antibióticos")), u"02"_qs);
    EXPECT_EQ(conversao.FFamilia(QStringLiteral("Analgésicos")), u"01"_qs);
    EXPECT_EQ(conversao.FUnidade(QStringLiteral("caixa grande")), u"CAIXA "_qs);
    EXPECT_EQ(conversao.FUnidade(QStringLiteral("caixa ")), u"CAIXA "_qs);
    EXPECT_EQ(conversao.FUnidade(QStringLiteral("Ωm")), u"ΩM"_qs);
    EXPECT_EQ(ui->Messages().size(), 1u);
    EXPECT_EQ(ui->Messages()[0].text, QStringLiteral("Erro ao converter Unidade."));
    EXPECT_EQ(Rows(QStringLiteral("SELECT UNIDADE FROM UNIDADES")),
              (std::vector<QStringList>{{u"CAIXA "_qs}}));
    EXPECT_EQ(Rows(QStringLiteral("SELECT CODIGO, DESCRICAO FROM FAMILIA ORDER BY 1")).size(), 2u);
}

TEST_F(LookupTest, PredefinedCodesAreQuotedTextNeverSql) {
    EXPECT_EQ(
        conversao.FGrupoComCodigoPredefinido(QStringLiteral("5"), QStringLiteral("perfumaria")),
        u"5"_qs);
    EXPECT_EQ(conversao.FGrupoComCodigoPredefinido(QStringLiteral("005"), QStringLiteral("outra")),
              u"005"_qs);
    EXPECT_EQ(
        conversao.FGrupoComCodigoPredefinido(QStringLiteral("1' OR 1=1"), QStringLiteral("x")),
        u"1' OR 1=1"_qs);
    EXPECT_EQ(conversao.FSubGrupoComCodigoPredefinido(QStringLiteral("1005"), QStringLiteral("7"),
                                                      QStringLiteral("sabonetes")),
              u"7"_qs);
    EXPECT_EQ(conversao.FSubGrupoComCodigoPredefinido(QStringLiteral("5 OR 1=1"),
                                                      QStringLiteral("7"), QStringLiteral("y")),
              u"7"_qs);
    EXPECT_EQ(
        Rows(QStringLiteral("SELECT CODGRUPO, DESCRICAO FROM GRUPROD ORDER BY 1")),
        (std::vector<QStringList>{{u"005"_qs, u"PERFUMARIA"_qs}, {u"1' OR 1=1"_qs, u"X"_qs}}));
    EXPECT_EQ(
        Rows(QStringLiteral("SELECT CODGRUPO, CODSUBGRUPO, DESCRICAO FROM SUBGRUP ORDER BY 1")),
        (std::vector<QStringList>{{u"005"_qs, u"007"_qs, u"SABONETES"_qs},
                                  {u"1=1"_qs, u"007"_qs, u"Y"_qs}}));
}
