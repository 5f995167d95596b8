#include "support/BoundInsert.h"
#include "support/ExpectError.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "writers/FormatSettings.h"
#include "writers/ProdutoDetalhe.h"

#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

const QString insertColumns = QStringLiteral(
    " Insert Into ProdutoDetalhe ( CODPROD , CONTROLERECEITUARIO , CODIGOATIVIDADE , "
    "CODIGOLISTASERVICO , ESPELHOMERCSERV , IMPORTADOPORTOSEGURO , CODPROMOCAO , ALIQPIS , "
    "PIS_CST , PISENT_CST , PIS_ST , ALIQCOFINS , ALIQPISENT , ALIQCOFINSENT , COFINS_CST , "
    "COFINSENT_CST , COFINS_ST , CODCSOSN , PRECOMAXVENDA , PONTOBONUS )  Values (");

std::vector<QStringList> DetailRows(const ScratchTarget& target) {
    return target.Rows(QStringLiteral(
        "SELECT CODPROD, CONTROLERECEITUARIO, CODIGOATIVIDADE, CODIGOLISTASERVICO, "
        "ESPELHOMERCSERV, IMPORTADOPORTOSEGURO, CODPROMOCAO, ALIQPIS, PIS_CST, PISENT_CST, "
        "PIS_ST, ALIQCOFINS, ALIQPISENT, ALIQCOFINSENT, COFINS_CST, COFINSENT_CST, COFINS_ST, "
        "CODCSOSN, PRECOMAXVENDA, PONTOBONUS FROM PRODUTODETALHE ORDER BY CODPROD"));
}

// Every field assigned, each with a value of its own.
void AssignEverything(TConverteProdutoDetalhe& d) {
    d.SetCODPROD(QStringLiteral("000042"));
    d.SetCONTROLERECEITUARIO(QStringLiteral("S"));
    d.SetCODIGOATIVIDADE(QStringLiteral("ATV'1"));
    d.SetCODIGOLISTASERVICO(QStringLiteral("14.01"));
    d.SetESPELHOMERCSERV(QStringLiteral("M"));
    d.SetIMPORTADOPORTOSEGURO(QStringLiteral("N"));
    d.SetCODPROMOCAO(-3);
    d.SetALIQPIS(1.65);
    d.SetPIS_CST(QStringLiteral("01"));
    d.SetPISENT_CST(QStringLiteral("50"));
    d.SetPIS_ST(4);
    d.SetALIQCOFINS(7.6);
    d.SetALIQPISENT(0.65);
    d.SetALIQCOFINSENT(3);
    d.SetCOFINS_CST(QStringLiteral("02"));
    d.SetCOFINSENT_CST(QStringLiteral("51"));
    d.SetCOFINS_ST(5);
    d.SetCODCSOSN(QStringLiteral("0102"));
    d.SetPRECOMAXVENDA(0.00005);
    d.SetPONTOBONUS(2147483647);
}

} // namespace

TEST(TConverteProdutoDetalhe, CreationFixesTheShortDateFormatForTheProcess) {
    ScratchTarget target;
    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("yyyy-mm-dd"));
    const TConverteProdutoDetalhe detalhe(target.Database());
    EXPECT_EQ(ProcessFormatSettings().ShortDateFormat(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(ShortDateText(QDate(2014, 3, 5)), QStringLiteral("05/03/2014"));
}

TEST(TConverteProdutoDetalhe, TextSettersStoreTheirValueUnchanged) {
    ScratchTarget target;
    TConverteProdutoDetalhe detalhe(target.Database());
    using Setter = void (TConverteProdutoDetalhe::*)(const QString&);
    using Getter = const QString& (TConverteProdutoDetalhe::*)() const;
    struct Case {
        const char* name;
        Setter set;
        Getter get;
    };
    using D = TConverteProdutoDetalhe;
    const Case cases[] = {
        {"CODPROD", &D::SetCODPROD, &D::CodProd},
        {"CONTROLERECEITUARIO", &D::SetCONTROLERECEITUARIO, &D::ControleReceituario},
        {"CODIGOATIVIDADE", &D::SetCODIGOATIVIDADE, &D::CodigoAtividade},
        {"CODIGOLISTASERVICO", &D::SetCODIGOLISTASERVICO, &D::CodigoListaServico},
        {"ESPELHOMERCSERV", &D::SetESPELHOMERCSERV, &D::EspelhoMercServ},
        {"IMPORTADOPORTOSEGURO", &D::SetIMPORTADOPORTOSEGURO, &D::ImportadoPortoSeguro},
        {"PIS_CST", &D::SetPIS_CST, &D::Pis_CST},
        {"PISENT_CST", &D::SetPISENT_CST, &D::PisEnt_CST},
        {"COFINS_CST", &D::SetCOFINS_CST, &D::Cofins_CST},
        {"COFINSENT_CST", &D::SetCOFINSENT_CST, &D::CofinsEnt_CST},
        {"CODCSOSN", &D::SetCODCSOSN, &D::CodCSOSN},
    };
    const QString awkward = QStringLiteral(" 0102 d'água, \"x\" \t");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (detalhe.*c.set)(awkward);
        EXPECT_EQ((detalhe.*c.get)(), awkward);
    }
}

TEST(TConverteProdutoDetalhe, ARowWithOnlyCodeAndCsosnCarriesTheResetValues) {
    ScratchTarget target;
    TConverteProdutoDetalhe detalhe(target.Database());
    detalhe.SetCODPROD(QStringLiteral("000042"));
    detalhe.SetCODCSOSN(QStringLiteral("0102"));
    EXPECT_EQ(detalhe.MontaSqlInsere(),
              insertColumns + u"'000042', '', '', '', '', '', 0, 0, '', '', 0, 0, 0, 0, '', '', "
                              u"0, '0102', 0, 0) "_qs);
}

TEST(TConverteProdutoDetalhe, TheResetKeepsTheEntryRatesForEveryFollowingRow) {
    ScratchTarget target;
    TConverteProdutoDetalhe detalhe(target.Database());
    AssignEverything(detalhe);
    EXPECT_EQ(detalhe.MontaSqlInsere(),
              insertColumns +
                  u"'000042', 'S', 'ATV''1', '14.01', 'M', 'N', -3, 1.65, '01', "
                  u"'50', 4, 7.6, 0.65, 3, '02', '51', 5, '0102', 5E-5, 2147483647) "_qs);

    detalhe.LimpaVariavel();

    EXPECT_EQ(detalhe.MontaSqlInsere(),
              insertColumns + u"'', '', '', '', '', '', 0, 0, '', '', 0, 0, 0.65, 3, '', '', 0, "
                              u"'', 0, 0) "_qs);
}

TEST(TConverteProdutoDetalhe, BoundInsertAndUpdateAreWhatTheirTextsReadAs) {
    TargetDatabase unconnected;
    TConverteProdutoDetalhe detalhe(unconnected);
    const auto expectBoundAsRead = [&detalhe] {
        ExpectBoundAsTheTextReads(detalhe.BoundInsert(), detalhe.MontaSqlInsere());
        ExpectBoundAsTheTextReads(detalhe.BoundAtualiza(), detalhe.MontaSqlAtualiza());
    };
    expectBoundAsRead();
    AssignEverything(detalhe);
    expectBoundAsRead();
    detalhe.SetCODIGOATIVIDADE(QStringLiteral("'; --"));
    detalhe.SetALIQPIS(1.0 / 3.0);
    detalhe.SetPRECOMAXVENDA(1e300);
    detalhe.SetCODPROMOCAO(-2147483647 - 1);
    expectBoundAsRead();
}

TEST(TConverteProdutoDetalhe, TheUpdateAssignsEveryColumnButTheCodeItSelects) {
    ScratchTarget target;
    TConverteProdutoDetalhe detalhe(target.Database());
    AssignEverything(detalhe);
    detalhe.SetCODPROD(QStringLiteral("D'1"));
    EXPECT_EQ(
        detalhe.MontaSqlAtualiza(),
        QStringLiteral(
            " Update ProdutoDetalhe SET ProdutoDetalhe.CONTROLERECEITUARIO = 'S', "
            "ProdutoDetalhe.CODIGOATIVIDADE = 'ATV''1', "
            "ProdutoDetalhe.CODIGOLISTASERVICO = '14.01', "
            "ProdutoDetalhe.ESPELHOMERCSERV = 'M', ProdutoDetalhe.IMPORTADOPORTOSEGURO = 'N', "
            "ProdutoDetalhe.CODPROMOCAO = -3, ProdutoDetalhe.ALIQPIS = 1.65, "
            "ProdutoDetalhe.PIS_CST = '01', ProdutoDetalhe.PISENT_CST = '50', "
            "ProdutoDetalhe.PIS_ST = 4, ProdutoDetalhe.ALIQCOFINS = 7.6, "
            "ProdutoDetalhe.ALIQPISENT = 0.65, ProdutoDetalhe.ALIQCOFINSENT = 3, "
            "ProdutoDetalhe.COFINS_CST = '02', ProdutoDetalhe.COFINSENT_CST = '51', "
            "ProdutoDetalhe.COFINS_ST = 5, ProdutoDetalhe.CODCSOSN = '0102', "
            "ProdutoDetalhe.PRECOMAXVENDA = 5E-5, ProdutoDetalhe.PONTOBONUS = 2147483647 "
            "Where ProdutoDetalhe.CODPROD = 'D''1'"));
}

TEST(TConverteProdutoDetalhe, InsertsAndUpdatesRowsAndResetsAfterEach) {
    ScratchTarget target;
    target.Execute({QStringLiteral("INSERT INTO PRODUTODETALHE (CODPROD) VALUES ('999999')")});
    TConverteProdutoDetalhe detalhe(target.Database());
    detalhe.LimpaTabela();
    EXPECT_FALSE(target.Transaction().InTransaction()); // the clearing is a commit point
    EXPECT_TRUE(DetailRows(target).empty());

    detalhe.SetCODPROD(QStringLiteral("000001"));
    detalhe.SetCODCSOSN(QStringLiteral("0'5"));
    EXPECT_TRUE(detalhe.ExecutaSql());
    EXPECT_EQ(detalhe.CodProd(), QString());
    EXPECT_EQ(detalhe.CodCSOSN(), QString());
    detalhe.SetCODPROD(QStringLiteral("000002"));
    EXPECT_TRUE(detalhe.ExecutaSql());

    AssignEverything(detalhe);
    detalhe.SetCODPROD(QStringLiteral("000002"));
    EXPECT_TRUE(detalhe.AtualizaProdutoDetalhe());
    EXPECT_EQ(detalhe.CodProd(), QString());
    detalhe.SetCODPROD(QStringLiteral("000077"));
    EXPECT_TRUE(detalhe.AtualizaProdutoDetalhe()); // no such row: nothing changes
    target.Transaction().Commit();

    EXPECT_EQ(
        DetailRows(target),
        (std::vector<QStringList>{
            {u"000001"_qs, "",      "",      "",      "", "", u"0"_qs, u"0"_qs,   "",      "",
             u"0"_qs,      u"0"_qs, u"0"_qs, u"0"_qs, "", "", u"0"_qs, u"0'5"_qs, u"0"_qs, u"0"_qs},
            {u"000002"_qs, u"S"_qs,   u"ATV'1"_qs, u"14.01"_qs, u"M"_qs,
             u"N"_qs,      u"-3"_qs,  u"1.65"_qs,  u"01"_qs,    u"50"_qs,
             u"4"_qs,      u"7.6"_qs, u"0.65"_qs,  u"3"_qs,     u"02"_qs,
             u"51"_qs,     u"5"_qs,   u"0102"_qs,  u"5e-05"_qs, u"2147483647"_qs},
        }));
}

TEST(TConverteProdutoDetalhe, ASecondRowForAProductFailsAndKeepsTheRecord) {
    ScratchTarget target;
    TConverteProdutoDetalhe detalhe(target.Database());
    detalhe.SetCODPROD(QStringLiteral("000003"));
    detalhe.ExecutaSql();
    detalhe.SetCODPROD(QStringLiteral("000003"));
    detalhe.SetCODCSOSN(QStringLiteral("0500"));
    ExpectErrorContaining([&] { detalhe.ExecutaSql(); }, QStringLiteral("PK_PRODUTODETALHE"));
    EXPECT_EQ(detalhe.CodProd(), QStringLiteral("000003"));
    EXPECT_EQ(detalhe.CodCSOSN(), QStringLiteral("0500"));
}
