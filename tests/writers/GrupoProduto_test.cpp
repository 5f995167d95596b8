#include "support/ExpectError.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "writers/GrupoProduto.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(TConverteGruposProd, SettersCutPadAndTrim) {
    ScratchTarget target;
    TConverteGruposProd grupo(target.Database());
    struct Case {
        const char16_t* in;
        const char16_t* codigo;
    };
    const Case codes[] = {{u"7", u"007"}, {u"12", u"012"},  {u"1234", u"234"},
                          {u"", u"000"},  {u"5  ", u"5  "}, {u"2005", u"005"}};
    for (const Case& c : codes) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        grupo.SetCodigo(QString::fromUtf16(c.in));
        EXPECT_EQ(grupo.Codigo(), QString::fromUtf16(c.codigo));
    }
    const Case names[] = {
        {u"  Higiene pessoal  ", u"Higiene pessoal"},
        {u"Medicamentos genéricos de uso contínuo", u"Medicamentos genéricos de uso "},
        {u"\t\n", u""}};
    for (const Case& c : names) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        grupo.SetDescricao(QString::fromUtf16(c.in));
        EXPECT_EQ(grupo.Descricao(), QString::fromUtf16(c.codigo));
    }
}

TEST(TConverteGruposProd, WritesTheRecordResetsItAndKeepsItAfterAFailure) {
    ScratchTarget target;
    target.Execute(
        {QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'X')")});
    TConverteGruposProd grupo(target.Database());
    grupo.LimpaTabela();
    EXPECT_FALSE(target.Transaction().InTransaction()); // the clearing is a commit point
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT * FROM GRUPROD")).empty());

    grupo.SetCodigo(QStringLiteral("1005"));
    grupo.SetDescricao(QStringLiteral("Perfumaria D'Ávila"));
    EXPECT_TRUE(grupo.ExecutaSql());
    EXPECT_EQ(grupo.Codigo(), QString());
    EXPECT_EQ(grupo.Descricao(), QString());

    grupo.SetCodigo(QStringLiteral("2005"));
    grupo.SetDescricao(QStringLiteral("Outro"));
    ExpectErrorContaining([&] { grupo.ExecutaSql(); }, QStringLiteral("PRIMARY or UNIQUE KEY"));
    EXPECT_EQ(grupo.Codigo(), QStringLiteral("005"));
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(QStringLiteral(
                  "SELECT CODGRUPO, DESCRICAO, DIASESTMAXIMO, DIASESTMINIMO FROM GRUPROD")),
              (std::vector<QStringList>{{u"005"_qs, u"Perfumaria D'Ávila"_qs, u"0"_qs, u"0"_qs}}));
}
