#include "db/TargetQuery.h"
#include "support/ExpectError.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "writers/ClassificacaoFiscal.h"

#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

const QString kAllColumns = QStringLiteral(
    "SELECT CODCLASFIS, CODIGONCM, CODNBM, PISCONFRETIDO, CODNATRECEITA, ALIQIPI FROM CLASFISC "
    "ORDER BY CODCLASFIS");

QStringList Record(const TConverteClassificacaoFiscal& writer) {
    return {writer.CodClasFis(),    writer.CodigoNCM(),     writer.CodNBM(),
            writer.PisConfRetido(), writer.CodNatReceita(), QString::number(writer.AliqIpi())};
}

} // namespace

TEST(TConverteClassificacaoFiscal, SettersCutBeforeTheyPadOrClean) {
    ScratchTarget target;
    TConverteClassificacaoFiscal writer(target.Database());
    using Setter = void (TConverteClassificacaoFiscal::*)(const QString&);
    using Getter = const QString& (TConverteClassificacaoFiscal::*)() const noexcept;
    struct Case {
        const char* setter;
        Setter set;
        Getter get;
        const char16_t* in;
        const char16_t* out;
    };
    using W = TConverteClassificacaoFiscal;
    const Case cases[] = {
        {"SetCodClasFis", &W::SetCodClasFis, &W::CodClasFis, u"7", u"0007"},
        {"SetCodClasFis", &W::SetCodClasFis, &W::CodClasFis, u"12345", u"1234"},
        {"SetCodClasFis", &W::SetCodClasFis, &W::CodClasFis, u"", u"0000"},
        {"SetCodClasFis", &W::SetCodClasFis, &W::CodClasFis, u" 7", u"00 7"},
        {"SetCodNBM", &W::SetCodNBM, &W::CodNBM, u"3004.90.99", u"30049099"},
        {"SetCodNBM", &W::SetCodNBM, &W::CodNBM, u"3004.90.99.00", u"3004909900"},
        {"SetCodNBM", &W::SetCodNBM, &W::CodNBM, u"1234.56.78.90.12.34.56.78", u"12345678901234"},
        {"SetCodNBM", &W::SetCodNBM, &W::CodNBM, u" 3004.90 ", u"300490"},
        {"SetCodNBM", &W::SetCodNBM, &W::CodNBM, u"  3004  ", u"  3004  "},
        {"SetCodNBM", &W::SetCodNBM, &W::CodNBM, u"D'Ávila \"N\"", u"DÁvila \"N\""},
        {"SetCodigoNCM", &W::SetCodigoNCM, &W::CodigoNCM, u"3004.90.99", u"300490"},
        {"SetCodigoNCM", &W::SetCodigoNCM, &W::CodigoNCM, u"30049099", u"30049099"},
        {"SetCodigoNCM", &W::SetCodigoNCM, &W::CodigoNCM, u"3004909900", u"30049099"},
        {"SetCodigoNCM", &W::SetCodigoNCM, &W::CodigoNCM, u"(30)04-99", u"30049"},
        {"SetCodigoNCM", &W::SetCodigoNCM, &W::CodigoNCM, u"", u""},
        {"SetPisConfRetido", &W::SetPisConfRetido, &W::PisConfRetido, u"Sim", u"S"},
        {"SetPisConfRetido", &W::SetPisConfRetido, &W::PisConfRetido, u" N", u" "},
        {"SetCodNatReceita", &W::SetCodNatReceita, &W::CodNatReceita, u"1234", u"123"},
        {"SetCodNatReceita", &W::SetCodNatReceita, &W::CodNatReceita, u"9", u"9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.setter) + " " + QString::fromUtf16(c.in).toStdString());
        (writer.*c.set)(QString::fromUtf16(c.in));
        EXPECT_EQ((writer.*c.get)(), QString::fromUtf16(c.out));
    }
}

TEST(TConverteClassificacaoFiscal, StartsEmptyAndPLimpaDadosEmptiesItAgain) {
    ScratchTarget target;
    TConverteClassificacaoFiscal writer(target.Database());
    const QStringList empty{QString(), QString(), QString(), QString(), QString(), u"0"_qs};
    EXPECT_EQ(Record(writer), empty);

    writer.SetCodClasFis(u"12"_qs);
    writer.SetCodigoNCM(u"30049099"_qs);
    writer.SetCodNBM(u"30049099"_qs);
    writer.SetPisConfRetido(u"S"_qs);
    writer.SetCodNatReceita(u"101"_qs);
    writer.SetAliqIpi(15);
    writer.PLimpaDados();
    EXPECT_EQ(Record(writer), empty);
}

TEST(TConverteClassificacaoFiscal, ClearsWithACommitThenWritesUnsetTextsAsEmptyAndTheRateAsZero) {
    ScratchTarget target;
    target.Execute({QStringLiteral("INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM) VALUES ('0099', "
                                   "'99999999')")});
    TargetQuery earlier(target.Database());
    earlier.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('001', 'A')"));
    earlier.ExecSQL();

    TConverteClassificacaoFiscal writer(target.Database());
    writer.LimpaTabela();
    // The clearing commits the transaction in progress, with what was written before it.
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_TRUE(target.Rows(kAllColumns).empty());
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")),
              (std::vector<QStringList>{{u"001"_qs}}));

    writer.SetCodClasFis(u"7"_qs);
    writer.SetCodNBM(u"3004.90.99"_qs);
    writer.SetCodigoNCM(writer.CodNBM());
    writer.GravaClassificacaoFiscal(target.Database());
    // The record outlives the write, so a field not set again is written again.
    writer.SetCodClasFis(u"8"_qs);
    writer.SetCodNBM(u"30\"04'90"_qs);
    writer.SetPisConfRetido(u"S"_qs);
    writer.SetCodNatReceita(u"101"_qs);
    writer.SetAliqIpi(-5);
    writer.GravaClassificacaoFiscal(target.Database());
    target.Transaction().Commit();

    EXPECT_EQ(target.Rows(kAllColumns),
              (std::vector<QStringList>{
                  {u"0007"_qs, u"30049099"_qs, u"30049099"_qs, u""_qs, u""_qs, u"0"_qs},
                  {u"0008"_qs, u"30049099"_qs, u"30\"0490"_qs, u"S"_qs, u"101"_qs, u"-5"_qs},
              }));
}

TEST(TConverteClassificacaoFiscal, ADuplicateCodeRaisesTheServersMessageAndKeepsTheRecord) {
    ScratchTarget target;
    target.Execute({QStringLiteral("INSERT INTO CLASFISC (CODCLASFIS) VALUES ('1005')")});
    TConverteClassificacaoFiscal writer(target.Database());
    writer.SetCodClasFis(u"10050"_qs);
    writer.SetCodNBM(u"3004.90.99"_qs);
    writer.SetCodigoNCM(writer.CodNBM());
    ExpectErrorContaining([&] { writer.GravaClassificacaoFiscal(target.Database()); },
                          QStringLiteral("PRIMARY or UNIQUE KEY"));
    EXPECT_EQ(Record(writer), (QStringList{u"1005"_qs, u"30049099"_qs, u"30049099"_qs, QString(),
                                           QString(), u"0"_qs}));
}
