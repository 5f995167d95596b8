#include "support/BoundInsert.h"
#include "support/ExpectError.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "writers/CompProd.h"

#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

const QString insertColumns = QStringLiteral(
    " Insert Into compprod ( compprod.codprod, compprod.codempresa, compprod.codgrade, "
    "compprod.estoque, compprod.estoqueDisponivel, compprod.estminimo, compprod.estmaximo, "
    "compprod.precomedio, compprod.precocusto, compprod.preconf) ");

std::vector<QStringList> StockRows(const ScratchTarget& target) {
    return target.Rows(QStringLiteral(
        "SELECT CODPROD, CODEMPRESA, CODGRADE, ESTOQUE, ESTOQUEDISPONIVEL, ESTMINIMO, ESTMAXIMO, "
        "PRECOMEDIO, PRECOCUSTO, PRECONF FROM COMPPROD ORDER BY CODPROD"));
}

} // namespace

TEST(TConverteCompProd, AFreshRecordIsProductZeroOfCompanyZeroAndGradeZero) {
    ScratchTarget target;
    const TConverteCompProd estoque(target.Database());
    EXPECT_EQ(estoque.MontaSql(),
              insertColumns + u"Values ( '000000', '00', '0000', 0, 0, 0, 0, 0, 0, 0) "_qs);
}

TEST(TConverteCompProd, TheProductCodeIsPaddedToSixAndNeverCut) {
    ScratchTarget target;
    TConverteCompProd estoque(target.Database());
    struct Case {
        const char16_t* in;
        const char16_t* out;
    };
    const Case cases[] = {{u"42", u"000042"},
                          {u"1234567", u"1234567"},
                          {u"", u"000000"},
                          {u" 7", u"0000 7"},
                          {u"123456", u"123456"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        estoque.SetCodProd(QString::fromUtf16(c.in));
        EXPECT_EQ(estoque.CodProd(), QString::fromUtf16(c.out));
    }
}

TEST(TConverteCompProd, EveryValueTakesItsPlaceInTheStatement) {
    ScratchTarget target;
    TConverteCompProd estoque(target.Database());
    estoque.SetCodProd(QStringLiteral("42"));
    estoque.SetCodEmpresa(QStringLiteral("0'1"));
    estoque.SetCodGrade(QStringLiteral("0002"));
    estoque.SetEstoque(3);
    estoque.setEstoqueDisp(-2.5);
    estoque.SetEstMinimo(0.0001);
    estoque.SetEstMaximo(3e15);
    estoque.setPrecoMedio(1.0 / 3);
    estoque.SetPrecoCusto(1234.5);
    estoque.setPrecoNf(0.000001);
    EXPECT_EQ(estoque.MontaSql(), insertColumns + u"Values ( '000042', '0''1', '0002', 3, -2.5, "
                                                  u"0.0001, 3E15, 0.333333333333333, 1234.5, "
                                                  u"1E-6) "_qs);
}

TEST(TConverteCompProd, BoundInsertIsWhatItsTextReadsAs) {
    TargetDatabase unconnected;
    TConverteCompProd estoque(unconnected);
    ExpectBoundAsTheTextReads(estoque.BoundInsert(), estoque.MontaSql());
    estoque.SetCodProd(QStringLiteral("O'1"));
    estoque.SetCodEmpresa(QStringLiteral("\"x\""));
    for (const double value : {12.5, -0.1, 1.0 / 3.0, 3e15, 5e-5, 1e300}) {
        SCOPED_TRACE(value);
        estoque.SetEstoque(value);
        estoque.SetPrecoCusto(-value);
        estoque.setPrecoMedio(value / 7);
        ExpectBoundAsTheTextReads(estoque.BoundInsert(), estoque.MontaSql());
    }
}

TEST(TConverteCompProd, TheResetLeavesLimitsAverageAvailableAndInvoicePriceAlone) {
    ScratchTarget target;
    TConverteCompProd estoque(target.Database());
    estoque.SetCodProd(QStringLiteral("9"));
    estoque.SetCodEmpresa(QStringLiteral("01"));
    estoque.SetCodGrade(QStringLiteral("0001"));
    estoque.SetEstoque(5);
    estoque.SetPrecoCusto(6);
    estoque.SetEstMinimo(1);
    estoque.SetEstMaximo(2);
    estoque.setPrecoMedio(3);
    estoque.setEstoqueDisp(4);
    estoque.setPrecoNf(7);

    estoque.LimpaVariavel();

    EXPECT_EQ(estoque.MontaSql(),
              insertColumns + u"Values ( '000000', '00', '0000', 0, 4, 1, 2, 3, 0, 7) "_qs);
}

TEST(TConverteCompProd, WritesRowsThatKeepWhatTheNextRowDoesNotReplace) {
    ScratchTarget target;
    target.Execute({QStringLiteral(
        "INSERT INTO COMPPROD (CODPROD, CODEMPRESA, CODGRADE) VALUES ('999999', '00', '0000')")});
    TConverteCompProd estoque(target.Database());
    estoque.LimpaTabela();
    EXPECT_FALSE(target.Transaction().InTransaction()); // the clearing is a commit point
    EXPECT_TRUE(StockRows(target).empty());

    estoque.SetCodProd(QStringLiteral("1"));
    estoque.SetPrecoCusto(12.5);
    estoque.setPrecoMedio(11.25);
    estoque.SetEstMinimo(2);
    estoque.SetEstMaximo(20);
    EXPECT_TRUE(estoque.ExecutaSql());
    EXPECT_EQ(estoque.CodProd(), QStringLiteral("000001")); // not reset by the write
    estoque.SetCodProd(QStringLiteral("2"));
    estoque.SetPrecoCusto(0.0005);
    EXPECT_TRUE(estoque.ExecutaSql());
    target.Transaction().Commit();

    EXPECT_EQ(StockRows(target), (std::vector<QStringList>{
                                     {u"000001"_qs, u"00"_qs, u"0000"_qs, u"0"_qs, u"0"_qs, u"2"_qs,
                                      u"20"_qs, u"11.25"_qs, u"12.5"_qs, u"0"_qs},
                                     {u"000002"_qs, u"00"_qs, u"0000"_qs, u"0"_qs, u"0"_qs, u"2"_qs,
                                      u"20"_qs, u"11.25"_qs, u"0.0005"_qs, u"0"_qs},
                                 }));
}

TEST(TConverteCompProd, ASecondRowForTheSameProductFailsWithTheServersMessage) {
    ScratchTarget target;
    TConverteCompProd estoque(target.Database());
    estoque.SetCodProd(QStringLiteral("7"));
    estoque.ExecutaSql();
    ExpectErrorContaining([&] { estoque.ExecutaSql(); }, QStringLiteral("PK_COMPPROD"));
}
