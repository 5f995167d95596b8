#include "writers/Produto.h"

#include "db/DayNumber.h"
#include "support/BoundInsert.h"
#include "support/ExpectError.h"
#include "support/LongestValues.h"
#include "support/ProcessSettingsGuard.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "support/SetterCases.h"
#include "writers/FormatSettings.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>
#include <vector>

using namespace vorlanda;

namespace {

using TextGetter = const QString& (TConverteProduto::*)() const;
using NumberSetter = void (TConverteProduto::*)(double);
using NumberGetter = double (TConverteProduto::*)() const;

// The writer whose setters FIELD names.
using Writer = TConverteProduto;

using TextCase = SetterCase<TConverteProduto>;

double Day(int year, int month, int day) {
    return DayNumberFromDate(QDate(year, month, day));
}

// Restores Qt's default locale at the end of a test that changes it.
class DefaultLocaleGuard {
public:
    DefaultLocaleGuard() = default;
    ~DefaultLocaleGuard() { QLocale::setDefault(saved_); }
    DefaultLocaleGuard(const DefaultLocaleGuard&) = delete;
    DefaultLocaleGuard& operator=(const DefaultLocaleGuard&) = delete;

private:
    QLocale saved_;
};

// Every property assigned, an apostrophe in every text, every date present.
void FillEveryField(TConverteProduto& p) {
    p.SetData_Ult_Ent(Day(2014, 3, 5));
    p.SetData_Ult_Rea(Day(1900, 1, 2));
    p.SetData_Ult_Alteracao(Day(2024, 12, 31));
    p.SetCodProd(u" O'1 "_qs);
    p.SetDescricao(u" Água d'Óleo 500ml "_qs);
    p.SetDescricao2(u"D'AGUA 2"_qs);
    p.SetDescricao3(u"D'AGUA 3"_qs);
    p.SetReferencia(u"789'123"_qs);
    p.SetRefFabricante(u" REF'9 "_qs);
    p.SetPrincipalFornecedor(u"1'5"_qs);
    p.SetCodGrupo(u"'5"_qs);
    p.SetCodSubGrupo(u"9'7"_qs);
    p.SetUnidEntrada(u"C'X"_qs);
    p.SetUnidSaida(u"F'R"_qs);
    p.SetCodFamilia(u"'F"_qs);
    p.SetCodTipoProduto(u"0'"_qs);
    p.SetDescricaoPreco(u"À vista'"_qs);
    p.SetDescricaoPreco2(u"Prazo'"_qs);
    p.SetDescricaoPreco3(u"Promo'"_qs);
    p.SetDescricaoPreco4(u"Cinco'"_qs);
    p.SetCodLocal(u"A'1"_qs);
    p.SetCampoLivre1(u" Marca'X "_qs);
    p.SetCampoLivre2(u"Uso'oral"_qs);
    p.SetCampoLivre3(u"MS'123"_qs);
    p.SetCampoLivre4(u"Livre'4"_qs);
    p.SetObservacao(u"Obs: 'frágil'; -- /* */ :pCODIGO ?"_qs);
    p.SetControleSerie(u"N'"_qs);
    p.SetAtivado(u"'"_qs);
    p.SetTipoProd(u"R'"_qs);
    p.SetProdBloqueado(u"S'"_qs);
    p.SetCodClasFis(u"'12"_qs);
    p.SetCodTribut00(u"'6"_qs);
    p.SetDt_Cadastro(u"25/12'2013"_qs);
    p.SetEmbalagem(u" CX'12 "_qs);
    p.setFFornec_Ult_Ent1(u"F'01"_qs);
    p.SetFCodFabric(u"'7"_qs);
    p.setCodVolume(u"V'1"_qs);
    p.setTipoEntrega(u"'"_qs);
    p.SetMensagem00(u"Msg'00"_qs);
    p.SetMensagem01(u"Msg'01"_qs);
    p.SetCodTribut02(u"'2"_qs);
    p.SetCodTribut03(u"'3"_qs);
    p.SetMensagem02(u"Msg'02"_qs);
    p.SetMensagem03(u"Msg'03"_qs);
    p.SetControleLote(u"L'"_qs);
    p.SetCodTributDiversos(u"'9"_qs);
    p.SetMensagemDiversos(u"Msg'DV"_qs);
    p.SetSubsTribSaidaR1(u"R1'"_qs);
    p.SetSubsTribSaidaR2(u"R2'"_qs);
    p.SetSubsTribSaidaR3(u"R3'"_qs);
    p.SetSubsTribSaidaR4(u"R4'"_qs);
    p.SetSugestao(1.5);
    p.SetPreco(12.5);
    p.SetPreco2(1234567.891);
    p.SetPreco3(0.1);
    p.SetPreco4(0.0005);
    p.SetPrecoAnterior(-7.25);
    p.SetPeso(0.00005);
    p.SetAliqIcmsReg00(18);
    p.SetBaseicmsReg00(100);
    p.SetAliqIcmsPdv(17);
    p.SetValorIpi(2.25);
    p.SetAliqIcmsReg02(12);
    p.SetAliqIcmsDiversos(4);
    p.SetBaseIcmsdiversos(60);
    p.SetPercPerda(0.75);
    p.SetPercBaseSubsTribSaidaR1(101);
    p.SetPercIcmsSubsTribSaidaR1(11);
    p.SetPercBaseSubsTribSaidaR2(102);
    p.SetPercIcmsSubsTribSaidaR2(12.5);
    p.SetPercBaseSubsTribSaidaR3(103);
    p.SetPercIcmsSubsTribSaidaR3(13);
    p.SetPercBaseSubsTribSaidaR4(104);
    p.SetPercIcmsSubsTribSaidaR4(14);
    p.SetQuant_Ult_Ent1(48);
    p.SetPrecoPromo(9.99);
    p.SetAliqIpi(5);
    p.SetAliqIss(2);
    p.SetLucro(30);
    p.setLucro2(35);
    p.setLucro3(40);
    p.SetEstMinimo(3);
    p.SetEstMaximo(300);
    p.SetAliqIcmsReg01(7);
    p.SetBaseIcmsReg01(70);
    p.SetAliqIcmsReg03(25);
    p.SetLucroSubStrib(1000);
    p.SetPercBaseSubsTribSaida(80);
    p.SetPercIcmsSubsTribSaida(19);
    p.SetComissao(2.5);
    p.SetSubsTrib(u"S'T"_qs);
    p.SetSubsTribSaida(u"S'S"_qs);
    p.SetDescontoMaximo(3.5);
    p.setLucro4(45);
    p.SetFracionado(u"S'"_qs);
    p.SetPr_Ult_Ent1(8.75);
    p.SetBaseIcmsReg02(90);
    p.SetBaseIcmsReg03(95);
    p.SetCodTribut01(u"'1"_qs);
    p.setPercIva(33.5);
    p.SetFatorConversao(12);
    p.SetCFOPForaUF(u"6'10"_qs);
    p.SetCFOPDentroUF(u"5'10"_qs);
    p.setMultiplicaDivide(u"M'"_qs);
    p.SetGrade(-3);
    p.SetCodGeneroItem(u"G'30"_qs);
}

// The INSERT's pieces for a record straight after the reset: the columns before and after
// the optional ones, and the values likewise with the price and the margin left open.
const QString kColumnsBeforeTheDates = QStringLiteral(
    " Insert Into Produto (Produto.CODPROD,Produto.TIPOPROD,Produto.ATIVO,Produto.PRODBLOQUEADO,"
    "Produto.CONTROLESERIE,Produto.REFERENCIA,Produto.REFFABRICANTE,Produto.DESCRICAO,"
    "Produto.DESCRICAO2,Produto.DESCRICAO3,Produto.FORNEC_ULT_ENT1,Produto.CODGRUPO,"
    "Produto.CODSUBGRUPO,Produto.PRINCIPALFORNEC,Produto.EMBALAGEM,Produto.CODFABRIC,"
    "Produto.OBSERVACAO,Produto.CODLOCAL,Produto.CODCLASFIS,Produto.ALIQICMSREG00,"
    "Produto.BASEICMSREG00,Produto.BASEICMSREG02,Produto.CODTRIBUT00,Produto.CODTRIBUT01,"
    "Produto.ALIQICMSPDV,Produto.SUBSTRIB,Produto.AliqIpi,Produto.AliqISS,Produto.PESO,"
    "Produto.UNIDADEENT,Produto.UNIDADESAIDA,Produto.CodFamilia,Produto.CodTipoProduto,"
    "Produto.CodVolume,Produto.TipoEntrega,Produto.CodGeneroItem,Produto.SUGESTAO,"
    "Produto.PRECO,Produto.DESCRICAOPRECO,Produto.PRECO2,Produto.DESCRICAOPRECO2,Produto.PRECO3,"
    "Produto.DESCRICAOPRECO3,Produto.PRECO4,Produto.DESCRICAOPRECO4,Produto.PRECO_ANTERIOR,"
    "Produto.Pr_Ult_Ent1,Produto.Lucro,Produto.Lucro2,Produto.Lucro3,Produto.Lucro4,"
    "Produto.EstMinimo,Produto.EstMaximo,Produto.Comissao,Produto.Perc_Iva,"
    "Produto.FatorConversao,Produto.MultDivide,Produto.ValorIpi,Produto.PrecoPromo,");
const QString kColumnsAfterTheDates = QStringLiteral(
    "Produto.Fracionado,Produto.CAMPOLIVRE1,Produto.CAMPOLIVRE2,Produto.CAMPOLIVRE3,"
    "Produto.CAMPOLIVRE4,produto.mensagem00,produto.aliqicmsreg01,produto.BaseIcmsReg01,"
    "produto.mensagem01,produto.aliqicmsreg02,Produto.CODTRIBUT02,produto.mensagem02,"
    "produto.aliqicmsreg03,produto.BaseIcmsReg03,Produto.CODTRIBUT03,produto.mensagem03,"
    "produto.AliqIcmsDiversos,produto.BaseIcmsdiversos,Produto.CodTributDiversos,"
    "produto.MensagemDiversos,produto.lucrosubstrib,produto.substribsaida,Produto.PERCPERDA,"
    "produto.percbasesubstribsaida,produto.PercIcmsSubsTribSaida,produto.substribsaidaR1,"
    "produto.percbasesubstribsaidaR1,produto.PercIcmsSubsTribSaidaR1,produto.substribsaidaR2,"
    "produto.percbasesubstribsaidaR2,produto.PercIcmsSubsTribSaidaR2,produto.substribsaidaR3,"
    "produto.percbasesubstribsaidaR3,produto.PercIcmsSubsTribSaidaR3,produto.substribsaidaR4,"
    "produto.percbasesubstribsaidaR4,Produto.ControleLote,Produto.PercIcmsSubsTribSaidaR4,"
    "Produto.Quant_Ult_Ent1,Produto.CFOPFORAUF,Produto.CFOPDENTROUF,produto.grade)");
// %1 is the price (PRECO), %2 the margin (Lucro).
const QString kValuesBeforeTheDates = QStringLiteral(
    " Values ( '000000', 'R', 'S', 'N', '', '', '', '', '', '', '', '', '', '', '', '', '', '', "
    "'', 0, 0, 0, '', '', 0, '', 0, 0, 0, 'UN', 'UN', '', '', '', '', '', 0, %1, '', 0, '', 0, "
    "'', 0, '', 0, 0, %2, 0, 0, 0, 0, 0, 0, 0, 0, '', 0, 0, ");
const QString kValuesAfterTheDates = QStringLiteral(
    "'', '', '', '', '', '', 0, 0, '', 0, '', '', 0, 0, '', '', 0, 0, '', '', 0, '', 0, 0, 0, "
    "'', 0, 0, '', 0, 0, '', 0, 0, '', 0, '', 0, 0, '', '', 0) ");

QString ResetInsert(const QString& preco = u"0"_qs, const QString& lucro = u"0"_qs) {
    return kColumnsBeforeTheDates + kColumnsAfterTheDates +
           kValuesBeforeTheDates.arg(preco, lucro) + kValuesAfterTheDates;
}

// Every column the INSERT names, in its order, the optional ones in their places.
const QString kAllColumns = QStringLiteral(
    "SELECT CODPROD, TIPOPROD, ATIVO, PRODBLOQUEADO, CONTROLESERIE, REFERENCIA, REFFABRICANTE, "
    "DESCRICAO, DESCRICAO2, DESCRICAO3, FORNEC_ULT_ENT1, CODGRUPO, CODSUBGRUPO, PRINCIPALFORNEC, "
    "EMBALAGEM, CODFABRIC, OBSERVACAO, CODLOCAL, CODCLASFIS, ALIQICMSREG00, BASEICMSREG00, "
    "BASEICMSREG02, CODTRIBUT00, CODTRIBUT01, ALIQICMSPDV, SUBSTRIB, ALIQIPI, ALIQISS, PESO, "
    "UNIDADEENT, UNIDADESAIDA, CODFAMILIA, CODTIPOPRODUTO, CODVOLUME, TIPOENTREGA, "
    "CODGENEROITEM, SUGESTAO, PRECO, DESCRICAOPRECO, PRECO2, DESCRICAOPRECO2, PRECO3, "
    "DESCRICAOPRECO3, PRECO4, DESCRICAOPRECO4, PRECO_ANTERIOR, PR_ULT_ENT1, LUCRO, LUCRO2, "
    "LUCRO3, LUCRO4, ESTMINIMO, ESTMAXIMO, COMISSAO, PERC_IVA, FATORCONVERSAO, MULTDIVIDE, "
    "VALORIPI, PRECOPROMO, DT_CADASTRO, DATA_ULT_ENT1, DATA_ULT_REAJUSTE, DATA_ULT_ALTERACAO, "
    "FRACIONADO, CAMPOLIVRE1, CAMPOLIVRE2, CAMPOLIVRE3, CAMPOLIVRE4, MENSAGEM00, ALIQICMSREG01, "
    "BASEICMSREG01, MENSAGEM01, ALIQICMSREG02, CODTRIBUT02, MENSAGEM02, ALIQICMSREG03, "
    "BASEICMSREG03, CODTRIBUT03, MENSAGEM03, ALIQICMSDIVERSOS, BASEICMSDIVERSOS, "
    "CODTRIBUTDIVERSOS, MENSAGEMDIVERSOS, LUCROSUBSTRIB, SUBSTRIBSAIDA, PERCPERDA, "
    "PERCBASESUBSTRIBSAIDA, PERCICMSSUBSTRIBSAIDA, SUBSTRIBSAIDAR1, PERCBASESUBSTRIBSAIDAR1, "
    "PERCICMSSUBSTRIBSAIDAR1, SUBSTRIBSAIDAR2, PERCBASESUBSTRIBSAIDAR2, PERCICMSSUBSTRIBSAIDAR2, "
    "SUBSTRIBSAIDAR3, PERCBASESUBSTRIBSAIDAR3, PERCICMSSUBSTRIBSAIDAR3, SUBSTRIBSAIDAR4, "
    "PERCBASESUBSTRIBSAIDAR4, CONTROLELOTE, PERCICMSSUBSTRIBSAIDAR4, QUANT_ULT_ENT1, CFOPFORAUF, "
    "CFOPDENTROUF, GRADE FROM PRODUTO ORDER BY CODPROD");

// What the target holds for a record straight after the reset, code aside: the optional
// columns NULL, the others empty texts, zeros and the default flags and units.
QStringList ResetRow(const QString& codprod) {
    const auto times = [](int n, const QString& value) { return QStringList(n, value); };
    const QString e;
    const QString z = u"0"_qs;
    return QStringList{codprod, u"R"_qs, u"S"_qs, u"N"_qs}                       // 1 to 4
           + times(15, e)                                                        // 5 to 19
           + times(3, z) + times(2, e) + QStringList{z, e} + times(3, z)         // 20 to 29
           + QStringList{u"UN"_qs, u"UN"_qs} + times(5, e)                       // 30 to 36
           + QStringList{z, z, e, z, e, z, e, z, e, z, z}                        // 37 to 47
           + times(9, z) + QStringList{e, z, z}                                  // 48 to 59
           + times(4, u"<null>"_qs)                                              // 60 to 63
           + times(6, e) + QStringList{z, z, e, z, e, e, z, z, e, e, z, z, e, e} // 64 to 83
           + QStringList{z, e, z, z, z, e, z, z, e, z, z, e, z, z, e, z}         // 84 to 99
           + QStringList{e, z, z, e, e, z};                                      // 100 to 105
}

} // namespace

TEST(TConverteProduto, CodeSettersTrimCutAndPad) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    const TextCase cases[] = {
        {FIELD(SetCodProd, CodProd), u"12"_qs, u"000012"_qs},
        {FIELD(SetCodProd, CodProd), u" 1234567 "_qs, u"123456"_qs},
        {FIELD(SetCodProd, CodProd), u"\t42\r\n"_qs, u"000042"_qs},
        {FIELD(SetCodProd, CodProd), u""_qs, u"000000"_qs},
        {FIELD(SetCodGrupo, CodGrupo), u"5"_qs, u"005"_qs},
        {FIELD(SetCodGrupo, CodGrupo), u"1234"_qs, u"234"_qs},
        {FIELD(SetCodGrupo, CodGrupo), u"12 "_qs, u"12 "_qs},
        {FIELD(SetCodGrupo, CodGrupo), u" 7"_qs, u"0 7"_qs},
        {FIELD(SetCodGrupo, CodGrupo), u"   "_qs, u""_qs},
        {FIELD(SetCodSubGrupo, CodSubGrupo), u"5"_qs, u"005"_qs},
        {FIELD(SetCodSubGrupo, CodSubGrupo), u" 1234"_qs, u"234"_qs},
        {FIELD(SetCodSubGrupo, CodSubGrupo), u"  "_qs, u"0  "_qs},
        {FIELD(SetCodSubGrupo, CodSubGrupo), u""_qs, u""_qs},
        {FIELD(SetPrincipalFornecedor, PrincipalFornecedor), u" 15 "_qs, u"000015"_qs},
        {FIELD(SetPrincipalFornecedor, PrincipalFornecedor), u"1234567"_qs, u"1234567"_qs},
        {FIELD(SetPrincipalFornecedor, PrincipalFornecedor), u" \t"_qs, u""_qs},
        {FIELD(SetCodTribut00, CodTribut00), u"60"_qs, u"060"_qs},
        {FIELD(SetCodTribut00, CodTribut00), u" 0 "_qs, u"000"_qs},
        {FIELD(SetCodTribut00, CodTribut00), u"1234"_qs, u"1234"_qs},
        {FIELD(SetCodTribut00, CodTribut00), u" "_qs, u""_qs},
        {FIELD(SetCodTribut01, CodTribut01), u" 10"_qs, u"010"_qs},
        {FIELD(SetCodTribut02, CodTribut02), u"20 "_qs, u"020"_qs},
        {FIELD(SetCodTribut03, CodTribut03), u"3"_qs, u"003"_qs},
        {FIELD(SetCodTributDiversos, CodTributDiversos), u"90"_qs, u"090"_qs},
        {FIELD(SetCodTributDiversos, CodTributDiversos), u"  "_qs, u""_qs},
        {FIELD(SetCodClasFis, CodClasFis), u"123"_qs, u"0123"_qs},
        {FIELD(SetCodClasFis, CodClasFis), u"12345"_qs, u"12345"_qs},
        {FIELD(SetCodClasFis, CodClasFis), u" 12"_qs, u"0 12"_qs},
        {FIELD(SetCodClasFis, CodClasFis), u"12 "_qs, u"012 "_qs},
        {FIELD(SetCodClasFis, CodClasFis), u"  "_qs, u""_qs},
        {FIELD(SetFCodFabric, CodFabric), u"7"_qs, u"00007"_qs},
        {FIELD(SetFCodFabric, CodFabric), u" 123456 "_qs, u"12345"_qs},
        {FIELD(SetFCodFabric, CodFabric), u" "_qs, u""_qs},
    };
    ExpectAll(produto, cases);
}

TEST(TConverteProduto, TextSettersCutTrimOrKeepTheValueAsItArrives) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    const QString fortyNine = u"a"_qs.repeated(49);
    const TextCase cases[] = {
        // Cut before the trim: the blank in 50th place goes, and so does the leading one.
        {FIELD(SetDescricao, Descricao), fortyNine + u" b"_qs, fortyNine},
        {FIELD(SetDescricao, Descricao), u" "_qs + u"a"_qs.repeated(48) + u"bc"_qs,
         u"a"_qs.repeated(48) + u'b'},
        {FIELD(SetDescricao, Descricao), u" D'AGUA "_qs, u"D'AGUA"_qs},
        {FIELD(SetDescricao2, Descricao2), u" x "_qs, u" x "_qs},
        {FIELD(SetDescricao2, Descricao2), u"d"_qs.repeated(55), u"d"_qs.repeated(50)},
        {FIELD(SetDescricao3, Descricao3), u"e"_qs.repeated(51), u"e"_qs.repeated(50)},
        {FIELD(SetReferencia, Referencia), u" 789"_qs, u" 789"_qs},
        {FIELD(SetReferencia, Referencia), u"7"_qs.repeated(25), u"7"_qs.repeated(20)},
        {FIELD(SetRefFabricante, RefFabricante), u"  R-1  "_qs, u"R-1"_qs},
        {FIELD(SetRefFabricante, RefFabricante), u" "_qs + u"r"_qs.repeated(25),
         u"r"_qs.repeated(20)},
        {FIELD(SetUnidEntrada, UnidEntrada), u"CAIXA12X"_qs, u"CAIXA1"_qs},
        {FIELD(SetUnidEntrada, UnidEntrada), u""_qs, u""_qs},
        {FIELD(SetUnidSaida, UnidSaida), u" un"_qs, u" un"_qs},
        {FIELD(SetCodFamilia, CodFamilia), u"123"_qs, u"12"_qs},
        {FIELD(SetCodTipoProduto, CodTipoProduto), u"00x"_qs, u"00"_qs},
        {FIELD(SetDescricaoPreco, DescricaoPreco), u"À vista longa"_qs, u"À vista lo"_qs},
        {FIELD(SetDescricaoPreco2, DescricaoPreco2), u" Prazo 30 dias"_qs, u" Prazo 30 "_qs},
        {FIELD(SetDescricaoPreco3, DescricaoPreco3), u"Promoção de verão"_qs, u"Promoção d"_qs},
        {FIELD(SetDescricaoPreco4, DescricaoPreco4), u"Cinco"_qs, u"Cinco"_qs},
        {FIELD(SetCodLocal, CodLocal), u"PRATELEIRA"_qs, u"PRATELEI"_qs},
        {FIELD(SetCampoLivre1, CampoLivre1), u"  marca  "_qs, u"marca"_qs},
        {FIELD(SetCampoLivre1, CampoLivre1), u"m"_qs.repeated(25), u"m"_qs.repeated(20)},
        {FIELD(SetCampoLivre2, CampoLivre2), u" "_qs + u"u"_qs.repeated(21), u"u"_qs.repeated(20)},
        {FIELD(SetCampoLivre3, CampoLivre3), u"\t"_qs + u"3"_qs.repeated(60), u"3"_qs.repeated(50)},
        {FIELD(SetCampoLivre4, CampoLivre4), u" livre 4 "_qs, u"livre 4"_qs},
        {FIELD(SetEmbalagem, Embalagem), u" CX 12 "_qs, u"CX 12"_qs},
        {FIELD(SetEmbalagem, Embalagem), u"e"_qs.repeated(20), u"e"_qs.repeated(15)},
        {FIELD(SetAtivado, Ativado), u"sim"_qs, u"s"_qs},
        {FIELD(SetAtivado, Ativado), u" N"_qs, u" "_qs},
        {FIELD(SetAtivado, Ativado), u""_qs, u""_qs},
        {FIELD(setCodVolume, CodVolume), u"ABCD"_qs, u"ABC"_qs},
        {FIELD(setTipoEntrega, TipoEntrega), u"Entrega"_qs, u"E"_qs},
        {FIELD(SetCFOPForaUF, CFOPForaUF), u"6.102"_qs, u"6.10"_qs},
        {FIELD(SetCFOPDentroUF, CFOPDentroUF), u"51020"_qs, u"5102"_qs},
        // The rest store exactly what they get: no cut, no trim, no upper-casing.
        {FIELD(SetObservacao, Observacao), u" o'"_qs.repeated(100), u" o'"_qs.repeated(100)},
        {FIELD(SetControleSerie, ControleSerie), u" s "_qs, u" s "_qs},
        {FIELD(SetTipoProd, TipoProd), u"Revenda"_qs, u"Revenda"_qs},
        {FIELD(SetProdBloqueado, ProdBloqueado), u" n"_qs, u" n"_qs},
        {FIELD(SetDt_Cadastro, Dt_Cadastro), u"25/12/2013"_qs, u"25/12/2013"_qs},
        {FIELD(setFFornec_Ult_Ent1, Fornec_Ult_Ent1), u" 0012 "_qs, u" 0012 "_qs},
        {FIELD(SetMensagem00, Mensagem00), u"isento de ICMS "_qs, u"isento de ICMS "_qs},
        {FIELD(SetMensagem01, Mensagem01), u" m1"_qs, u" m1"_qs},
        {FIELD(SetMensagem02, Mensagem02), u"m2 "_qs, u"m2 "_qs},
        {FIELD(SetMensagem03, Mensagem03), u"m'3"_qs, u"m'3"_qs},
        {FIELD(SetMensagemDiversos, MensagemDiversos), u"\tdv"_qs, u"\tdv"_qs},
        {FIELD(SetControleLote, ControleLote), u"sim"_qs, u"sim"_qs},
        {FIELD(SetSubsTribSaidaR1, SubsTribSaidaR1), u" r1"_qs, u" r1"_qs},
        {FIELD(SetSubsTribSaidaR2, SubsTribSaidaR2), u"r2 "_qs, u"r2 "_qs},
        {FIELD(SetSubsTribSaidaR3, SubsTribSaidaR3), u"R3"_qs, u"R3"_qs},
        {FIELD(SetSubsTribSaidaR4, SubsTribSaidaR4), u"r4"_qs, u"r4"_qs},
        {FIELD(SetSubsTrib, SubsTrib), u" n "_qs, u" n "_qs},
        {FIELD(SetSubsTribSaida, SubsTribSaida), u"s"_qs, u"s"_qs},
        {FIELD(setMultiplicaDivide, MultiplicaDivide), u" m"_qs, u" m"_qs},
        {FIELD(SetCodGeneroItem, CodGeneroItem), u" 30 "_qs, u" 30 "_qs},
        {FIELD(SetFracionado, Fracionado), u" false "_qs, u" false "_qs},
    };
    ExpectAll(produto, cases);
}

TEST(TConverteProduto, NumberSettersStoreTheValueUnchanged) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    struct NumberCase {
        const char* name;
        NumberSetter set;
        NumberGetter get;
        double value;
    };
    const NumberCase cases[] = {
        {FIELD(SetSugestao, Sugestao), 1.5},
        {FIELD(SetPreco, Preco), -12.5},
        {FIELD(SetPreco2, Preco2), 1234567.891},
        {FIELD(SetPreco3, Preco3), 0.1},
        {FIELD(SetPreco4, Preco4), 1.0 / 3.0},
        {FIELD(SetPrecoAnterior, Preco_Anterior), -0.00005},
        {FIELD(SetPeso, Peso), 3e15},
        {FIELD(SetAliqIcmsReg00, AliqIcmsReg00), 18},
        {FIELD(SetBaseicmsReg00, BaseIcmsReg00), 100},
        {FIELD(SetAliqIcmsPdv, AliqIcmsPdv), 17.5},
        {FIELD(SetValorIpi, ValorIpi), 2.25},
        {FIELD(SetAliqIcmsReg02, AliqIcmsReg02), 12},
        {FIELD(SetAliqIcmsDiversos, AliqIcmsDiversos), 4},
        {FIELD(SetBaseIcmsdiversos, BaseIcmsdiversos), 60},
        {FIELD(SetPercPerda, PercPerda), 0.75},
        {FIELD(SetPercBaseSubsTribSaidaR1, PercBaseSubsTribSaidaR1), 101},
        {FIELD(SetPercIcmsSubsTribSaidaR1, PercIcmsSubsTribSaidaR1), 11},
        {FIELD(SetPercBaseSubsTribSaidaR2, PercBaseSubsTribSaidaR2), 102},
        {FIELD(SetPercIcmsSubsTribSaidaR2, PercIcmsSubsTribSaidaR2), 12.5},
        {FIELD(SetPercBaseSubsTribSaidaR3, PercBaseSubsTribSaidaR3), 103},
        {FIELD(SetPercIcmsSubsTribSaidaR3, PercIcmsSubsTribSaidaR3), 13},
        {FIELD(SetPercBaseSubsTribSaidaR4, PercBaseSubsTribSaidaR4), 104},
        {FIELD(SetPercIcmsSubsTribSaidaR4, PercIcmsSubsTribSaidaR4), 14},
        {FIELD(SetQuant_Ult_Ent1, Quant_Ult_Ent1), 48},
        {FIELD(SetPrecoPromo, PrecoPromo), 9.99},
        {FIELD(SetAliqIpi, AliqIpi), 5},
        {FIELD(SetAliqIss, AliqIss), 2},
        {FIELD(SetLucro, Lucro), 1000},
        {FIELD(setLucro2, Lucro2), -35},
        {FIELD(setLucro3, Lucro3), 40},
        {FIELD(setLucro4, Lucro4), 45},
        {FIELD(SetEstMinimo, EstMinimo), 3},
        {FIELD(SetEstMaximo, EstMaximo), 300},
        {FIELD(SetAliqIcmsReg01, AliqIcmsReg01), 7},
        {FIELD(SetBaseIcmsReg01, BaseIcmsReg01), 70},
        {FIELD(SetAliqIcmsReg03, AliqIcmsReg03), 25},
        {FIELD(SetLucroSubStrib, LucroSubStrib), 1e-9},
        {FIELD(SetPercBaseSubsTribSaida, PercBaseSubsTribSaida), 80},
        {FIELD(SetPercIcmsSubsTribSaida, PercIcmsSubsTribSaida), 19},
        {FIELD(SetComissao, Comissao), 2.5},
        {FIELD(SetBaseIcmsReg02, BaseIcmsReg02), 90},
        {FIELD(SetBaseIcmsReg03, BaseIcmsReg03), 95},
        {FIELD(setPercIva, PercIva), 33.5},
        {FIELD(SetFatorConversao, FatorConversao), 12},
        {FIELD(SetDescontoMaximo, DescontoMaximo), 3.5},
        {FIELD(SetPr_Ult_Ent1, Pr_Ult_Ent1), 8.75},
        {FIELD(SetData_Ult_Ent, Data_Ult_Ent), 41703.25},
        {FIELD(SetData_Ult_Rea, Data_Ult_Rea), -1},
        {FIELD(SetData_Ult_Alteracao, Data_Ult_Alteracao), 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "(" + std::to_string(c.value) + ")");
        (produto.*c.set)(c.value);
        EXPECT_EQ((produto.*c.get)(), c.value);
    }
    produto.SetGrade(-2147483647 - 1);
    EXPECT_EQ(produto.Grade(), -2147483647 - 1);
}

TEST(TConverteProduto, LimpaVariavelResetsAllButFourFields) {
    TargetDatabase unconnected;
    const TConverteProduto fresh(unconnected);
    TConverteProduto used(unconnected);
    FillEveryField(used);
    used.LimpaVariavel();

    struct Expected {
        const char* name;
        TextGetter get;
        QString value;
    };
    const Expected texts[] = {
        {"CodProd", &TConverteProduto::CodProd, u"000000"_qs},
        {"UnidEntrada", &TConverteProduto::UnidEntrada, u"UN"_qs},
        {"UnidSaida", &TConverteProduto::UnidSaida, u"UN"_qs},
        {"Ativado", &TConverteProduto::Ativado, u"S"_qs},
        {"TipoProd", &TConverteProduto::TipoProd, u"R"_qs},
        {"ProdBloqueado", &TConverteProduto::ProdBloqueado, u"N"_qs},
        {"Descricao", &TConverteProduto::Descricao, u""_qs},
        {"Descricao2", &TConverteProduto::Descricao2, u""_qs},
        {"Descricao3", &TConverteProduto::Descricao3, u""_qs},
        {"Referencia", &TConverteProduto::Referencia, u""_qs},
        {"RefFabricante", &TConverteProduto::RefFabricante, u""_qs},
        {"PrincipalFornecedor", &TConverteProduto::PrincipalFornecedor, u""_qs},
        {"CodGrupo", &TConverteProduto::CodGrupo, u""_qs},
        {"CodSubGrupo", &TConverteProduto::CodSubGrupo, u""_qs},
        {"CodFamilia", &TConverteProduto::CodFamilia, u""_qs},
        {"CodTipoProduto", &TConverteProduto::CodTipoProduto, u""_qs},
        {"DescricaoPreco", &TConverteProduto::DescricaoPreco, u""_qs},
        {"DescricaoPreco2", &TConverteProduto::DescricaoPreco2, u""_qs},
        {"DescricaoPreco3", &TConverteProduto::DescricaoPreco3, u""_qs},
        {"DescricaoPreco4", &TConverteProduto::DescricaoPreco4, u""_qs},
        {"CodLocal", &TConverteProduto::CodLocal, u""_qs},
        {"CampoLivre1", &TConverteProduto::CampoLivre1, u""_qs},
        {"CampoLivre2", &TConverteProduto::CampoLivre2, u""_qs},
        {"CampoLivre3", &TConverteProduto::CampoLivre3, u""_qs},
        {"CampoLivre4", &TConverteProduto::CampoLivre4, u""_qs},
        {"Observacao", &TConverteProduto::Observacao, u""_qs},
        {"ControleSerie", &TConverteProduto::ControleSerie, u""_qs},
        {"CodClasFis", &TConverteProduto::CodClasFis, u""_qs},
        {"CodTribut00", &TConverteProduto::CodTribut00, u""_qs},
        {"CodTribut01", &TConverteProduto::CodTribut01, u""_qs},
        {"CodTribut02", &TConverteProduto::CodTribut02, u""_qs},
        {"CodTribut03", &TConverteProduto::CodTribut03, u""_qs},
        {"CodTributDiversos", &TConverteProduto::CodTributDiversos, u""_qs},
        {"Dt_Cadastro", &TConverteProduto::Dt_Cadastro, u""_qs},
        {"Embalagem", &TConverteProduto::Embalagem, u""_qs},
        {"Fornec_Ult_Ent1", &TConverteProduto::Fornec_Ult_Ent1, u""_qs},
        {"CodFabric", &TConverteProduto::CodFabric, u""_qs},
        {"CodVolume", &TConverteProduto::CodVolume, u""_qs},
        {"TipoEntrega", &TConverteProduto::TipoEntrega, u""_qs},
        {"Mensagem00", &TConverteProduto::Mensagem00, u""_qs},
        {"Mensagem01", &TConverteProduto::Mensagem01, u""_qs},
        {"Mensagem02", &TConverteProduto::Mensagem02, u""_qs},
        {"Mensagem03", &TConverteProduto::Mensagem03, u""_qs},
        {"MensagemDiversos", &TConverteProduto::MensagemDiversos, u""_qs},
        {"ControleLote", &TConverteProduto::ControleLote, u""_qs},
        {"SubsTribSaidaR1", &TConverteProduto::SubsTribSaidaR1, u""_qs},
        {"SubsTribSaidaR2", &TConverteProduto::SubsTribSaidaR2, u""_qs},
        {"SubsTribSaidaR3", &TConverteProduto::SubsTribSaidaR3, u""_qs},
        {"SubsTribSaidaR4", &TConverteProduto::SubsTribSaidaR4, u""_qs},
        {"SubsTrib", &TConverteProduto::SubsTrib, u""_qs},
        {"SubsTribSaida", &TConverteProduto::SubsTribSaida, u""_qs},
        {"Fracionado", &TConverteProduto::Fracionado, u""_qs},
        {"CFOPForaUF", &TConverteProduto::CFOPForaUF, u""_qs},
        {"CFOPDentroUF", &TConverteProduto::CFOPDentroUF, u""_qs},
        {"CodGeneroItem", &TConverteProduto::CodGeneroItem, u""_qs},
    };
    const double noDate = Day(1900, 1, 1);
    struct ExpectedNumber {
        const char* name;
        NumberGetter get;
        double value;
    };
    const ExpectedNumber numbers[] = {
        {"Data_Ult_Ent", &TConverteProduto::Data_Ult_Ent, noDate},
        {"Data_Ult_Rea", &TConverteProduto::Data_Ult_Rea, noDate},
        {"Data_Ult_Alteracao", &TConverteProduto::Data_Ult_Alteracao, noDate},
        {"Sugestao", &TConverteProduto::Sugestao, 0},
        {"Preco", &TConverteProduto::Preco, 0},
        {"Preco2", &TConverteProduto::Preco2, 0},
        {"Preco3", &TConverteProduto::Preco3, 0},
        {"Preco4", &TConverteProduto::Preco4, 0},
        {"Preco_Anterior", &TConverteProduto::Preco_Anterior, 0},
        {"Peso", &TConverteProduto::Peso, 0},
        {"AliqIcmsReg00", &TConverteProduto::AliqIcmsReg00, 0},
        {"BaseIcmsReg00", &TConverteProduto::BaseIcmsReg00, 0},
        {"AliqIcmsPdv", &TConverteProduto::AliqIcmsPdv, 0},
        {"ValorIpi", &TConverteProduto::ValorIpi, 0},
        {"AliqIcmsReg02", &TConverteProduto::AliqIcmsReg02, 0},
        {"AliqIcmsDiversos", &TConverteProduto::AliqIcmsDiversos, 0},
        {"BaseIcmsdiversos", &TConverteProduto::BaseIcmsdiversos, 0},
        {"PercBaseSubsTribSaidaR1", &TConverteProduto::PercBaseSubsTribSaidaR1, 0},
        {"PercIcmsSubsTribSaidaR1", &TConverteProduto::PercIcmsSubsTribSaidaR1, 0},
        {"PercBaseSubsTribSaidaR2", &TConverteProduto::PercBaseSubsTribSaidaR2, 0},
        {"PercIcmsSubsTribSaidaR2", &TConverteProduto::PercIcmsSubsTribSaidaR2, 0},
        {"PercBaseSubsTribSaidaR3", &TConverteProduto::PercBaseSubsTribSaidaR3, 0},
        {"PercIcmsSubsTribSaidaR3", &TConverteProduto::PercIcmsSubsTribSaidaR3, 0},
        {"PercBaseSubsTribSaidaR4", &TConverteProduto::PercBaseSubsTribSaidaR4, 0},
        {"PercIcmsSubsTribSaidaR4", &TConverteProduto::PercIcmsSubsTribSaidaR4, 0},
        {"Quant_Ult_Ent1", &TConverteProduto::Quant_Ult_Ent1, 0},
        {"PrecoPromo", &TConverteProduto::PrecoPromo, 0},
        {"AliqIpi", &TConverteProduto::AliqIpi, 0},
        {"AliqIss", &TConverteProduto::AliqIss, 0},
        {"Lucro", &TConverteProduto::Lucro, 0},
        {"Lucro2", &TConverteProduto::Lucro2, 0},
        {"Lucro3", &TConverteProduto::Lucro3, 0},
        {"Lucro4", &TConverteProduto::Lucro4, 0},
        {"EstMinimo", &TConverteProduto::EstMinimo, 0},
        {"EstMaximo", &TConverteProduto::EstMaximo, 0},
        {"AliqIcmsReg01", &TConverteProduto::AliqIcmsReg01, 0},
        {"BaseIcmsReg01", &TConverteProduto::BaseIcmsReg01, 0},
        {"AliqIcmsReg03", &TConverteProduto::AliqIcmsReg03, 0},
        {"LucroSubStrib", &TConverteProduto::LucroSubStrib, 0},
        {"PercBaseSubsTribSaida", &TConverteProduto::PercBaseSubsTribSaida, 0},
        {"PercIcmsSubsTribSaida", &TConverteProduto::PercIcmsSubsTribSaida, 0},
        {"Comissao", &TConverteProduto::Comissao, 0},
        {"BaseIcmsReg02", &TConverteProduto::BaseIcmsReg02, 0},
        {"BaseIcmsReg03", &TConverteProduto::BaseIcmsReg03, 0},
        {"PercIva", &TConverteProduto::PercIva, 0},
        {"FatorConversao", &TConverteProduto::FatorConversao, 0},
    };
    for (const TConverteProduto* produto : {&fresh, static_cast<const TConverteProduto*>(&used)}) {
        SCOPED_TRACE(produto == &fresh ? "new writer" : "after LimpaVariavel");
        for (const Expected& t : texts) {
            SCOPED_TRACE(t.name);
            EXPECT_EQ((produto->*t.get)(), t.value);
        }
        for (const ExpectedNumber& n : numbers) {
            SCOPED_TRACE(n.name);
            EXPECT_EQ((produto->*n.get)(), n.value);
        }
        EXPECT_EQ(produto->Grade(), 0);
    }

    // A new writer starts these four at 0 or empty; the reset leaves them as assigned.
    EXPECT_EQ(fresh.PercPerda(), 0.0);
    EXPECT_EQ(fresh.DescontoMaximo(), 0.0);
    EXPECT_EQ(fresh.Pr_Ult_Ent1(), 0.0);
    EXPECT_EQ(fresh.MultiplicaDivide(), u""_qs);
    EXPECT_EQ(used.PercPerda(), 0.75);
    EXPECT_EQ(used.DescontoMaximo(), 3.5);
    EXPECT_EQ(used.Pr_Ult_Ent1(), 8.75);
    EXPECT_EQ(used.MultiplicaDivide(), u"M'"_qs);
}

TEST(TConverteProduto, InsertOfAResetRecordNamesThe101FixedColumns) {
    TargetDatabase unconnected;
    const TConverteProduto produto(unconnected);
    EXPECT_EQ(produto.MontaSqlInsere(), ResetInsert());
    // 100 separators on each side: 101 columns, 101 values.
    EXPECT_EQ(ResetInsert().count(u','), 2 * 100);
}

TEST(TConverteProduto, InsertPlacesEachPresentOptionalColumnBeforeFracionado) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    const double noDate = TConverteProduto::NoDateDay();
    struct OptionalCase {
        const char* name;
        QString cadastro;
        double ent;
        double rea;
        double alt;
        QString columns;
        QString values;
    };
    const OptionalCase cases[] = {
        {"all four", u"25/12/2013"_qs, Day(2014, 3, 5), Day(1900, 1, 2), Day(9999, 12, 31),
         u"Produto.DT_CADASTRO ,Produto.Data_Ult_Ent1, Produto.Data_Ult_Reajuste, "
         u"Produto.Data_Ult_Alteracao, "_qs,
         u"'25/12/2013','05.03.2014','02.01.1900','31.12.9999',"_qs},
        {"registration text as held", u"d'hoje"_qs, noDate, noDate, noDate,
         u"Produto.DT_CADASTRO ,"_qs, u"'d''hoje',"_qs},
        {"last purchase only", u""_qs, Day(2014, 3, 5), noDate, noDate,
         u"Produto.Data_Ult_Ent1, "_qs, u"'05.03.2014',"_qs},
        {"time of day on the no-date day", u""_qs, noDate, noDate + 0.5, noDate,
         u"Produto.Data_Ult_Reajuste, "_qs, u"'01.01.1900',"_qs},
        {"day before the no-date day", u""_qs, noDate, noDate, noDate - 1,
         u"Produto.Data_Ult_Alteracao, "_qs, u"'31.12.1899',"_qs},
        {"back to none", u""_qs, noDate, noDate, noDate, u""_qs, u""_qs},
    };
    for (const OptionalCase& c : cases) {
        SCOPED_TRACE(c.name);
        produto.SetDt_Cadastro(c.cadastro);
        produto.SetData_Ult_Ent(c.ent);
        produto.SetData_Ult_Rea(c.rea);
        produto.SetData_Ult_Alteracao(c.alt);
        EXPECT_EQ(produto.MontaSqlInsere(), kColumnsBeforeTheDates + c.columns +
                                                kColumnsAfterTheDates +
                                                kValuesBeforeTheDates.arg(u"0"_qs, u"0"_qs) +
                                                c.values + kValuesAfterTheDates);
    }
}

TEST(TConverteProduto, NumbersRenderWithAPointWhateverTheLocale) {
    DefaultLocaleGuard guard;
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    struct NumberCase {
        double price;
        const char* priceText;
        const char* negatedText;
    };
    const NumberCase cases[] = {
        {12.5, "12.5", "-12.5"},
        {1234567.891, "1234567.891", "-1234567.891"},
        {0.1, "0.1", "-0.1"},
        {0.0005, "0.0005", "-0.0005"},
        {0.00005, "5E-5", "-5E-5"},
        {10, "10", "-10"},
        {1.0 / 3.0, "0.333333333333333", "-0.333333333333333"},
        {3e15, "3E15", "-3E15"},
        {0.1 + 0.2, "0.3", "-0.3"},
        {0, "0", "0"},
    };
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        for (const NumberCase& c : cases) {
            SCOPED_TRACE(locale.name().toStdString() + " " + c.priceText);
            produto.SetPreco(c.price);
            produto.SetLucro(-c.price);
            EXPECT_EQ(produto.MontaSqlInsere(), ResetInsert(QString::fromLatin1(c.priceText),
                                                            QString::fromLatin1(c.negatedText)));
        }
    }
}

TEST(TConverteProduto, BoundInsertIsWhatItsTextReadsAs) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    ExpectBoundAsTheTextReads(produto.BoundInsert(), produto.MontaSqlInsere());
    FillEveryField(produto);
    ExpectBoundAsTheTextReads(produto.BoundInsert(), produto.MontaSqlInsere());
    const double noDate = TConverteProduto::NoDateDay();
    for (unsigned present = 0; present < 16; ++present) {
        SCOPED_TRACE(present);
        produto.SetDt_Cadastro(present & 1u ? u"d'hoje"_qs : QString());
        produto.SetData_Ult_Ent(present & 2u ? Day(2014, 3, 5) : noDate);
        produto.SetData_Ult_Rea(present & 4u ? noDate + 0.5 : noDate);
        produto.SetData_Ult_Alteracao(present & 8u ? Day(9999, 12, 31) : noDate);
        for (const double price : {0.0, 12.5, -0.1, 1.0 / 3.0, 3e15, 5e-5, 1e300}) {
            SCOPED_TRACE(price);
            produto.SetPreco(price);
            produto.SetLucro(-price);
            ExpectBoundAsTheTextReads(produto.BoundInsert(), produto.MontaSqlInsere());
        }
    }
}

TEST(TConverteProduto, LimpaTabelaEmptiesProdutoAndCommits) {
    ScratchTarget target;
    target.Execute({QStringLiteral("INSERT INTO PRODUTO (CODPROD) VALUES ('000999')")});
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"1"_qs);
    produto.ExecutaSql();
    ASSERT_TRUE(target.Transaction().InTransaction());

    produto.LimpaTabela();
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_TRUE(target.Rows(kAllColumns).empty()); // read on a connection of its own
}

TEST(TConverteProduto, FullRecordWithApostrophesEverywhereReadsBackWhole) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    FillEveryField(produto);
    EXPECT_TRUE(produto.ExecutaSql());
    EXPECT_EQ(produto.CodProd(), u"000000"_qs); // reset after the write
    target.Transaction().Commit();

    const QStringList expected{
        u"000O'1"_qs,
        u"R'"_qs,
        u"'"_qs,
        u"S'"_qs,
        u"N'"_qs,
        u"789'123"_qs,
        u"REF'9"_qs,
        u"Água d'Óleo 500ml"_qs,
        u"D'AGUA 2"_qs,
        u"D'AGUA 3"_qs,
        u"F'01"_qs,
        u"0'5"_qs,
        u"9'7"_qs,
        u"0001'5"_qs,
        u"CX'12"_qs,
        u"000'7"_qs,
        u"Obs: 'frágil'; -- /* */ :pCODIGO ?"_qs,
        u"A'1"_qs,
        u"0'12"_qs,
        u"18"_qs,
        u"100"_qs,
        u"90"_qs,
        u"0'6"_qs,
        u"0'1"_qs,
        u"17"_qs,
        u"S'T"_qs,
        u"5"_qs,
        u"2"_qs,
        u"5e-05"_qs,
        u"C'X"_qs,
        u"F'R"_qs,
        u"'F"_qs,
        u"0'"_qs,
        u"V'1"_qs,
        u"'"_qs,
        u"G'30"_qs,
        u"1.5"_qs,
        u"12.5"_qs,
        u"À vista'"_qs,
        u"1234567.891"_qs,
        u"Prazo'"_qs,
        u"0.1"_qs,
        u"Promo'"_qs,
        u"0.0005"_qs,
        u"Cinco'"_qs,
        u"-7.25"_qs,
        u"8.75"_qs,
        u"30"_qs,
        u"35"_qs,
        u"40"_qs,
        u"45"_qs,
        u"3"_qs,
        u"300"_qs,
        u"2.5"_qs,
        u"33.5"_qs,
        u"12"_qs,
        u"M'"_qs,
        u"2.25"_qs,
        u"9.99"_qs,
        u"25/12'2013"_qs,
        u"05.03.2014"_qs,
        u"02.01.1900"_qs,
        u"31.12.2024"_qs,
        u"S'"_qs,
        u"Marca'X"_qs,
        u"Uso'oral"_qs,
        u"MS'123"_qs,
        u"Livre'4"_qs,
        u"Msg'00"_qs,
        u"7"_qs,
        u"70"_qs,
        u"Msg'01"_qs,
        u"12"_qs,
        u"0'2"_qs,
        u"Msg'02"_qs,
        u"25"_qs,
        u"95"_qs,
        u"0'3"_qs,
        u"Msg'03"_qs,
        u"4"_qs,
        u"60"_qs,
        u"0'9"_qs,
        u"Msg'DV"_qs,
        u"1000"_qs,
        u"S'S"_qs,
        u"0.75"_qs,
        u"80"_qs,
        u"19"_qs,
        u"R1'"_qs,
        u"101"_qs,
        u"11"_qs,
        u"R2'"_qs,
        u"102"_qs,
        u"12.5"_qs,
        u"R3'"_qs,
        u"103"_qs,
        u"13"_qs,
        u"R4'"_qs,
        u"104"_qs,
        u"L'"_qs,
        u"14"_qs,
        u"48"_qs,
        u"6'10"_qs,
        u"5'10"_qs,
        u"-3"_qs,
    };
    ASSERT_EQ(expected.size(), 105);
    EXPECT_EQ(target.Rows(kAllColumns), std::vector<QStringList>{expected});
}

TEST(TConverteProduto, DuplicateCodeFailsWithTheServerMessageAndKeepsTheRecord) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"1234567"_qs);
    produto.SetDescricao(u"primeiro"_qs);
    produto.ExecutaSql();

    // Same first six characters after the trim, so the same product code.
    produto.SetCodProd(u" 1234568"_qs);
    produto.SetDescricao(u"segundo"_qs);
    produto.SetPreco(12.5);
    ExpectErrorContaining([&] { produto.ExecutaSql(); }, u"PRIMARY or UNIQUE KEY"_qs);
    EXPECT_EQ(produto.CodProd(), u"123456"_qs);
    EXPECT_EQ(produto.Descricao(), u"segundo"_qs);
    EXPECT_EQ(produto.Preco(), 12.5);

    // The kept record goes out again once its code is free.
    produto.SetCodProd(u"7"_qs);
    EXPECT_TRUE(produto.ExecutaSql());
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(
                  QStringLiteral("SELECT CODPROD, DESCRICAO, PRECO FROM PRODUTO ORDER BY CODPROD")),
              (std::vector<QStringList>{{u"000007"_qs, u"segundo"_qs, u"12.5"_qs},
                                        {u"123456"_qs, u"primeiro"_qs, u"0"_qs}}));
}

TEST(TConverteProduto, OnlyTheExactNoDateDayLeavesADateToTheTable) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    const double noDate = TConverteProduto::NoDateDay();
    produto.SetCodProd(u"1"_qs);
    produto.SetData_Ult_Ent(Day(2014, 3, 5));
    produto.ExecutaSql();
    produto.SetCodProd(u"2"_qs);
    produto.SetData_Ult_Ent(noDate + 0.5);
    produto.SetData_Ult_Rea(noDate);
    produto.SetData_Ult_Alteracao(noDate - 1);
    produto.ExecutaSql();
    target.Transaction().Commit();

    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODPROD, DATA_ULT_ENT1, DATA_ULT_REAJUSTE, "
                                         "DATA_ULT_ALTERACAO FROM PRODUTO ORDER BY CODPROD")),
              (std::vector<QStringList>{
                  {u"000001"_qs, u"05.03.2014"_qs, u"<null>"_qs, u"<null>"_qs},
                  {u"000002"_qs, u"01.01.1900"_qs, u"<null>"_qs, u"31.12.1899"_qs}}));
}

TEST(TConverteProduto, CreationSucceedsWhateverTheRegionalDateSettings) {
    ProcessSettingsGuard guard;
    ProcessFormatSettings().SetDateSeparator(u'-');
    ProcessFormatSettings().SetShortDateFormat(u"yyyy-mm-dd"_qs);
    ScratchTarget target;
    TConverteProduto produto(target.Database());

    EXPECT_EQ(ProcessFormatSettings().ShortDateFormat(), u"dd/mm/yyyy"_qs);
    EXPECT_EQ(ProcessFormatSettings().DateSeparator(), u'-');
    EXPECT_EQ(TConverteProduto::NoDateDay(), 2.0); // day 0 is 30 December 1899
    EXPECT_EQ(produto.Data_Ult_Ent(), TConverteProduto::NoDateDay());
    EXPECT_EQ(produto.MontaSqlInsere(), ResetInsert());

    produto.SetCodProd(u"5"_qs);
    produto.ExecutaSql();
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(kAllColumns), std::vector<QStringList>{ResetRow(u"000005"_qs)});
}

TEST(TConverteProduto, LongestValueOfEveryCuttingSetterFitsItsColumn) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    const QString digits = u"9"_qs.repeated(40);
    const QString text = u"é"_qs.repeated(200);
    const LongestValue<Writer> fields[] = {
        {FIELD(SetCodProd, CodProd), digits, "CODPROD", 6},
        {FIELD(SetDescricao, Descricao), text, "DESCRICAO", 50},
        {FIELD(SetDescricao2, Descricao2), text, "DESCRICAO2", 50},
        {FIELD(SetDescricao3, Descricao3), text, "DESCRICAO3", 50},
        {FIELD(SetReferencia, Referencia), text, "REFERENCIA", 20},
        {FIELD(SetRefFabricante, RefFabricante), text, "REFFABRICANTE", 20},
        {FIELD(SetCodGrupo, CodGrupo), digits, "CODGRUPO", 3},
        {FIELD(SetCodSubGrupo, CodSubGrupo), digits, "CODSUBGRUPO", 3},
        {FIELD(SetUnidEntrada, UnidEntrada), text, "UNIDADEENT", 6},
        {FIELD(SetUnidSaida, UnidSaida), text, "UNIDADESAIDA", 6},
        {FIELD(SetCodFamilia, CodFamilia), text, "CODFAMILIA", 2},
        {FIELD(SetCodTipoProduto, CodTipoProduto), text, "CODTIPOPRODUTO", 2},
        {FIELD(SetDescricaoPreco, DescricaoPreco), text, "DESCRICAOPRECO", 10},
        {FIELD(SetDescricaoPreco2, DescricaoPreco2), text, "DESCRICAOPRECO2", 10},
        {FIELD(SetDescricaoPreco3, DescricaoPreco3), text, "DESCRICAOPRECO3", 10},
        {FIELD(SetDescricaoPreco4, DescricaoPreco4), text, "DESCRICAOPRECO4", 10},
        {FIELD(SetCodLocal, CodLocal), text, "CODLOCAL", 8},
        {FIELD(SetCampoLivre1, CampoLivre1), text, "CAMPOLIVRE1", 20},
        {FIELD(SetCampoLivre2, CampoLivre2), text, "CAMPOLIVRE2", 20},
        {FIELD(SetCampoLivre3, CampoLivre3), text, "CAMPOLIVRE3", 50},
        {FIELD(SetCampoLivre4, CampoLivre4), text, "CAMPOLIVRE4", 50},
        {FIELD(SetAtivado, Ativado), text, "ATIVO", 1},
        {FIELD(SetEmbalagem, Embalagem), text, "EMBALAGEM", 15},
        {FIELD(SetFCodFabric, CodFabric), digits, "CODFABRIC", 5},
        {FIELD(setCodVolume, CodVolume), text, "CODVOLUME", 3},
        {FIELD(setTipoEntrega, TipoEntrega), text, "TIPOENTREGA", 1},
        {FIELD(SetCFOPForaUF, CFOPForaUF), digits, "CFOPFORAUF", 4},
        {FIELD(SetCFOPDentroUF, CFOPDentroUF), digits, "CFOPDENTROUF", 4},
    };
    ExpectLongestValuesFit(target, produto, fields, u"PRODUTO"_qs, [&] { produto.ExecutaSql(); });

    // A code that is padded but never cut meets its column's width at the server.
    produto.SetCodProd(u"2"_qs);
    produto.SetPrincipalFornecedor(u"1"_qs.repeated(11));
    ExpectErrorContaining([&] { produto.ExecutaSql(); }, u"truncation"_qs);
}
