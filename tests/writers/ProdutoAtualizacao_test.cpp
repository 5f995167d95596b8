#include "writers/Produto.h"

#include "db/DayNumber.h"
#include "support/BoundInsert.h"
#include "support/ExpectError.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"

#include <QDate>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace vorlanda;

namespace {

double Day(int year, int month, int day) {
    return DayNumberFromDate(QDate(year, month, day));
}

QString DateText(const QDate& date) {
    return date.toString(u"dd.MM.yyyy"_qs);
}

// Every updated field assigned, in the UPDATE's order, with a value of its own and an
// apostrophe in most texts; the code, the ISS rate and the grade go to no assignment.
void FillForUpdate(TConverteProduto& p) {
    p.SetCodProd(u"7"_qs);
    p.SetAliqIss(2.75);
    p.SetGrade(9);
    p.SetTipoProd(u"P'"_qs);
    p.SetAtivado(u"Não"_qs);
    p.SetProdBloqueado(u"B'"_qs);
    p.SetControleSerie(u"C'"_qs);
    p.SetControleLote(u"L'"_qs);
    p.SetReferencia(u"REF'1"_qs);
    p.SetRefFabricante(u" FAB'2 "_qs);
    p.SetDescricao(u" Dipirona d'Água 500mg "_qs);
    p.SetDescricao2(u"Desc'2"_qs);
    p.SetDescricao3(u"Desc'3"_qs);
    p.setFFornec_Ult_Ent1(u"000'11"_qs);
    p.SetCodGrupo(u"12"_qs);
    p.SetCodSubGrupo(u"3"_qs);
    p.SetPrincipalFornecedor(u" 15 "_qs);
    p.SetEmbalagem(u"CX'20"_qs);
    p.SetFCodFabric(u"7"_qs);
    p.SetObservacao(u"Obs: 'frágil'; -- :pCODIGO ?"_qs);
    p.SetCodLocal(u"A'2"_qs);
    p.SetCodClasFis(u"9"_qs);
    p.SetAliqIcmsReg00(18);
    p.SetBaseicmsReg00(100);
    p.SetBaseIcmsReg02(90);
    p.SetCodTribut00(u"0"_qs);
    p.SetCodTribut01(u"10"_qs);
    p.SetAliqIcmsPdv(17);
    p.SetSubsTrib(u"ST'"_qs);
    p.SetAliqIpi(5);
    p.SetPeso(0.00005);
    p.SetUnidEntrada(u"CX"_qs);
    p.SetUnidSaida(u"FR'"_qs);
    p.SetCodFamilia(u"'F"_qs);
    p.SetCodTipoProduto(u"T'"_qs);
    p.setCodVolume(u"V'"_qs);
    p.setTipoEntrega(u"E"_qs);
    p.SetPreco(12.5);
    p.SetSugestao(1.5);
    p.SetDescricaoPreco(u"Vista'"_qs);
    p.SetPreco2(1234567.891);
    p.SetDescricaoPreco2(u"Prazo'"_qs);
    p.SetPreco3(0.1);
    p.SetDescricaoPreco3(u"Promo'"_qs);
    p.SetPreco4(0.0005);
    p.SetDescricaoPreco4(u"Cinco'"_qs);
    p.SetPrecoAnterior(-7.25);
    p.SetPr_Ult_Ent1(8.75);
    p.SetLucro(30);
    p.setLucro2(35);
    p.setLucro3(40);
    p.setLucro4(45);
    p.SetEstMinimo(3);
    p.SetEstMaximo(300);
    p.SetComissao(2.5);
    p.setPercIva(33.5);
    p.SetFatorConversao(6);
    p.setMultiplicaDivide(u"M'"_qs);
    p.SetValorIpi(2.25);
    p.SetPrecoPromo(9.99);
    p.SetDt_Cadastro(u"25/12'2013"_qs);
    p.SetData_Ult_Ent(Day(2014, 3, 5));
    p.SetData_Ult_Rea(Day(1900, 1, 2));
    p.SetData_Ult_Alteracao(Day(2024, 12, 31));
    p.SetFracionado(u"Fr'"_qs);
    p.SetCampoLivre1(u"Livre'1"_qs);
    p.SetCampoLivre2(u"Livre'2"_qs);
    p.SetCampoLivre3(u"Livre'3"_qs);
    p.SetCampoLivre4(u"Livre'4"_qs);
    p.SetMensagem00(u"Msg'00"_qs);
    p.SetAliqIcmsReg01(7);
    p.SetBaseIcmsReg01(70);
    p.SetMensagem01(u"Msg'01"_qs);
    p.SetAliqIcmsReg02(12);
    p.SetCodTribut02(u"20"_qs);
    p.SetMensagem02(u"Msg'02"_qs);
    p.SetAliqIcmsReg03(25);
    p.SetBaseIcmsReg03(95);
    p.SetCodTribut03(u"30"_qs);
    p.SetMensagem03(u"Msg'03"_qs);
    p.SetAliqIcmsDiversos(4);
    p.SetBaseIcmsdiversos(60);
    p.SetCodTributDiversos(u"90"_qs);
    p.SetMensagemDiversos(u"Msg'DV"_qs);
    p.SetCodGeneroItem(u"G'30"_qs);
    p.SetLucroSubStrib(1000);
    p.SetSubsTribSaida(u"S'S"_qs);
    p.SetPercBaseSubsTribSaida(80);
    p.SetPercPerda(0.75);
    p.SetPercIcmsSubsTribSaida(19);
    p.SetSubsTribSaidaR1(u"R1'"_qs);
    p.SetPercBaseSubsTribSaidaR1(101);
    p.SetPercIcmsSubsTribSaidaR1(11);
    p.SetSubsTribSaidaR2(u"R2'"_qs);
    p.SetPercBaseSubsTribSaidaR2(102);
    p.SetPercIcmsSubsTribSaidaR2(12.25);
    p.SetSubsTribSaidaR3(u"R3'"_qs);
    p.SetPercBaseSubsTribSaidaR3(103);
    p.SetPercIcmsSubsTribSaidaR3(13);
    p.SetSubsTribSaidaR4(u"R4'"_qs);
    p.SetPercBaseSubsTribSaidaR4(104);
    p.SetPercIcmsSubsTribSaidaR4(14);
    p.SetQuant_Ult_Ent1(48);
    p.SetCFOPForaUF(u"6'10"_qs);
    p.SetCFOPDentroUF(u"5'10"_qs);
}

// What the target holds in the updated columns after FillForUpdate, in the UPDATE's order.
const QStringList kStoredByTheUpdate{
    u"P'"_qs,
    u"N"_qs,
    u"B'"_qs,
    u"C'"_qs,
    u"L'"_qs,
    u"REF'1"_qs,
    u"FAB'2"_qs,
    u"Dipirona d'Água 500mg"_qs,
    u"Desc'2"_qs,
    u"Desc'3"_qs,
    u"000'11"_qs,
    u"012"_qs,
    u"003"_qs,
    u"000015"_qs,
    u"CX'20"_qs,
    u"00007"_qs,
    u"Obs: 'frágil'; -- :pCODIGO ?"_qs,
    u"A'2"_qs,
    u"0009"_qs,
    u"18"_qs,
    u"100"_qs,
    u"90"_qs,
    u"000"_qs,
    u"010"_qs,
    u"17"_qs,
    u"ST'"_qs,
    u"5"_qs,
    u"5e-05"_qs,
    u"CX"_qs,
    u"FR'"_qs,
    u"'F"_qs,
    u"T'"_qs,
    u"V'"_qs,
    u"E"_qs,
    u"12.5"_qs,
    u"1.5"_qs,
    u"Vista'"_qs,
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
    u"6"_qs,
    u"M'"_qs,
    u"2.25"_qs,
    u"9.99"_qs,
    u"25/12'2013"_qs,
    u"05.03.2014"_qs,
    u"02.01.1900"_qs,
    u"31.12.2024"_qs,
    u"Fr'"_qs,
    u"Livre'1"_qs,
    u"Livre'2"_qs,
    u"Livre'3"_qs,
    u"Livre'4"_qs,
    u"Msg'00"_qs,
    u"7"_qs,
    u"70"_qs,
    u"Msg'01"_qs,
    u"12"_qs,
    u"020"_qs,
    u"Msg'02"_qs,
    u"25"_qs,
    u"95"_qs,
    u"030"_qs,
    u"Msg'03"_qs,
    u"4"_qs,
    u"60"_qs,
    u"090"_qs,
    u"Msg'DV"_qs,
    u"G'30"_qs,
    u"1000"_qs,
    u"S'S"_qs,
    u"80"_qs,
    u"0.75"_qs,
    u"19"_qs,
    u"R1'"_qs,
    u"101"_qs,
    u"11"_qs,
    u"R2'"_qs,
    u"102"_qs,
    u"12.25"_qs,
    u"R3'"_qs,
    u"103"_qs,
    u"13"_qs,
    u"R4'"_qs,
    u"104"_qs,
    u"14"_qs,
    u"48"_qs,
    u"6'10"_qs,
    u"5'10"_qs,
};

// The columns read back: the key and what the UPDATE leaves alone (the ISS rate, the grade
// and the creation stamp of the table's trigger), then the updated ones in the UPDATE's order.
const QStringList kColumns =
    QStringLiteral(
        "CODPROD, ALIQISS, GRADE, DT_INCLUSAO, TIPOPROD, ATIVO, PRODBLOQUEADO, CONTROLESERIE, "
        "CONTROLELOTE, REFERENCIA, REFFABRICANTE, DESCRICAO, DESCRICAO2, DESCRICAO3, "
        "FORNEC_ULT_ENT1, CODGRUPO, CODSUBGRUPO, PRINCIPALFORNEC, EMBALAGEM, CODFABRIC, "
        "OBSERVACAO, CODLOCAL, CODCLASFIS, ALIQICMSREG00, BASEICMSREG00, BASEICMSREG02, "
        "CODTRIBUT00, CODTRIBUT01, ALIQICMSPDV, SUBSTRIB, ALIQIPI, PESO, UNIDADEENT, "
        "UNIDADESAIDA, CODFAMILIA, CODTIPOPRODUTO, CODVOLUME, TIPOENTREGA, PRECO, SUGESTAO, "
        "DESCRICAOPRECO, PRECO2, DESCRICAOPRECO2, PRECO3, DESCRICAOPRECO3, PRECO4, "
        "DESCRICAOPRECO4, PRECO_ANTERIOR, PR_ULT_ENT1, LUCRO, LUCRO2, LUCRO3, LUCRO4, "
        "ESTMINIMO, ESTMAXIMO, COMISSAO, PERC_IVA, FATORCONVERSAO, MULTDIVIDE, VALORIPI, "
        "PRECOPROMO, DT_CADASTRO, DATA_ULT_ENT1, DATA_ULT_REAJUSTE, DATA_ULT_ALTERACAO, "
        "FRACIONADO, CAMPOLIVRE1, CAMPOLIVRE2, CAMPOLIVRE3, CAMPOLIVRE4, MENSAGEM00, "
        "ALIQICMSREG01, BASEICMSREG01, MENSAGEM01, ALIQICMSREG02, CODTRIBUT02, MENSAGEM02, "
        "ALIQICMSREG03, BASEICMSREG03, CODTRIBUT03, MENSAGEM03, ALIQICMSDIVERSOS, "
        "BASEICMSDIVERSOS, CODTRIBUTDIVERSOS, MENSAGEMDIVERSOS, CODGENEROITEM, LUCROSUBSTRIB, "
        "SUBSTRIBSAIDA, PERCBASESUBSTRIBSAIDA, PERCPERDA, PERCICMSSUBSTRIBSAIDA, "
        "SUBSTRIBSAIDAR1, PERCBASESUBSTRIBSAIDAR1, PERCICMSSUBSTRIBSAIDAR1, SUBSTRIBSAIDAR2, "
        "PERCBASESUBSTRIBSAIDAR2, PERCICMSSUBSTRIBSAIDAR2, SUBSTRIBSAIDAR3, "
        "PERCBASESUBSTRIBSAIDAR3, PERCICMSSUBSTRIBSAIDAR3, SUBSTRIBSAIDAR4, "
        "PERCBASESUBSTRIBSAIDAR4, PERCICMSSUBSTRIBSAIDAR4, QUANT_ULT_ENT1, CFOPFORAUF, "
        "CFOPDENTROUF")
        .split(u", "_qs);

const QString kEveryColumn =
    u"SELECT "_qs + kColumns.join(u", "_qs) + u" FROM PRODUTO ORDER BY CODPROD"_qs;

// The row with some of its columns replaced, by name.
QStringList With(QStringList row, const std::vector<std::pair<QString, QString>>& changes) {
    for (const auto& [column, value] : changes)
        row[kColumns.indexOf(column)] = value;
    return row;
}

} // namespace

TEST(TConverteProdutoAtualizacao, UpdateOfAResetRecordWritesNullAndTheNoDateDay) {
    TargetDatabase unconnected;
    const TConverteProduto produto(unconnected);
    EXPECT_EQ(
        produto.MontaSqlAtualiza(),
        QStringLiteral(
            " Update Produto SET Produto.TIPOPROD = 'R', Produto.ATIVO = 'S', "
            "Produto.PRODBLOQUEADO = 'N', Produto.CONTROLESERIE = '', Produto.CONTROLELOTE = '', "
            "Produto.REFERENCIA = '', Produto.REFFABRICANTE = '', Produto.DESCRICAO = '', "
            "Produto.DESCRICAO2 = '', Produto.DESCRICAO3 = '', Produto.FORNEC_ULT_ENT1 = '', "
            "Produto.CODGRUPO = '', Produto.CODSUBGRUPO = '', Produto.PRINCIPALFORNEC = '', "
            "Produto.EMBALAGEM = '', Produto.CODFABRIC = '', Produto.OBSERVACAO = '', "
            "Produto.CODLOCAL = '', Produto.CODCLASFIS = '', Produto.ALIQICMSREG00 = 0, "
            "Produto.BASEICMSREG00 = 0, Produto.BASEICMSREG02 = 0, Produto.CODTRIBUT00 = '', "
            "Produto.CODTRIBUT01 = '', Produto.ALIQICMSPDV = 0, Produto.SUBSTRIB = '', "
            "Produto.AliqIpi = 0, Produto.PESO = 0, Produto.UNIDADEENT = 'UN', "
            "Produto.UNIDADESAIDA = 'UN', Produto.CodFamilia = '', Produto.CodTipoProduto = '', "
            "Produto.CodVolume = '', Produto.TipoEntrega = '', Produto.PRECO = 0, "
            "Produto.SUGESTAO = 0, Produto.DESCRICAOPRECO = '', Produto.PRECO2 = 0, "
            "Produto.DESCRICAOPRECO2 = '', Produto.PRECO3 = 0, Produto.DESCRICAOPRECO3 = '', "
            "Produto.PRECO4 = 0, Produto.DESCRICAOPRECO4 = '', Produto.PRECO_ANTERIOR = 0, "
            "Produto.Pr_Ult_Ent1 = 0, Produto.Lucro = 0, Produto.Lucro2 = 0, Produto.Lucro3 = 0, "
            "Produto.Lucro4 = 0, Produto.EstMinimo = 0, Produto.EstMaximo = 0, "
            "Produto.Comissao = 0, Produto.Perc_Iva = 0, Produto.FatorConversao = 0, "
            "Produto.MultDivide = '', Produto.ValorIpi = 0, Produto.PrecoPromo = 0, "
            "Produto.DT_CADASTRO = NULL , Produto.Data_Ult_Ent1 = '01.01.1900', "
            "Produto.Data_Ult_Reajuste = '01.01.1900', "
            "Produto.Data_Ult_Alteracao = '01.01.1900', Produto.Fracionado = '', "
            "Produto.CAMPOLIVRE1 = '', Produto.CAMPOLIVRE2 = '', Produto.CAMPOLIVRE3 = '', "
            "Produto.CAMPOLIVRE4 = '', produto.mensagem00 = '', produto.aliqicmsreg01 = 0, "
            "produto.BaseIcmsReg01 = 0, produto.mensagem01 = '', produto.aliqicmsreg02 = 0, "
            "Produto.CODTRIBUT02 = '', produto.mensagem02 = '', produto.aliqicmsreg03 = 0, "
            "produto.BaseIcmsReg03 = 0, Produto.CODTRIBUT03 = '', produto.mensagem03 = '', "
            "produto.AliqIcmsDiversos = 0, produto.BaseIcmsdiversos = 0, "
            "Produto.CodTributDiversos = '', produto.MensagemDiversos = '', "
            "Produto.CodGeneroItem = '', produto.lucrosubstrib = 0, produto.substribsaida = '', "
            "produto.percbasesubstribsaida = 0, Produto.PERCPERDA = 0, "
            "produto.PercIcmsSubsTribSaida = 0, produto.substribsaidaR1 = '', "
            "produto.percbasesubstribsaidaR1 = 0, produto.PercIcmsSubsTribSaidaR1 = 0, "
            "produto.substribsaidaR2 = '', produto.percbasesubstribsaidaR2 = 0, "
            "produto.PercIcmsSubsTribSaidaR2 = 0, produto.substribsaidaR3 = '', "
            "produto.percbasesubstribsaidaR3 = 0, produto.PercIcmsSubsTribSaidaR3 = 0, "
            "produto.substribsaidaR4 = '', produto.percbasesubstribsaidaR4 = 0, "
            "produto.PercIcmsSubsTribSaidaR4 = 0, produto.Quant_Ult_Ent1 = 0, "
            "Produto.CFOPFORAUF = '', Produto.CFOPDENTROUF = '' Where Produto.CODPROD = '000000'"));
}

TEST(TConverteProdutoAtualizacao, UpdateOfAFullRecordAssignsEveryFieldInItsOrder) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    FillForUpdate(produto);
    EXPECT_EQ(
        produto.MontaSqlAtualiza(),
        QStringLiteral(
            " Update Produto SET Produto.TIPOPROD = 'P''', Produto.ATIVO = 'N', "
            "Produto.PRODBLOQUEADO = 'B''', Produto.CONTROLESERIE = 'C''', "
            "Produto.CONTROLELOTE = 'L''', Produto.REFERENCIA = 'REF''1', "
            "Produto.REFFABRICANTE = 'FAB''2', Produto.DESCRICAO = 'Dipirona d''Água 500mg', "
            "Produto.DESCRICAO2 = 'Desc''2', Produto.DESCRICAO3 = 'Desc''3', "
            "Produto.FORNEC_ULT_ENT1 = '000''11', Produto.CODGRUPO = '012', "
            "Produto.CODSUBGRUPO = '003', Produto.PRINCIPALFORNEC = '000015', "
            "Produto.EMBALAGEM = 'CX''20', Produto.CODFABRIC = '00007', "
            "Produto.OBSERVACAO = 'Obs: ''frágil''; -- :pCODIGO ?', Produto.CODLOCAL = 'A''2', "
            "Produto.CODCLASFIS = '0009', Produto.ALIQICMSREG00 = 18, "
            "Produto.BASEICMSREG00 = 100, Produto.BASEICMSREG02 = 90, "
            "Produto.CODTRIBUT00 = '000', Produto.CODTRIBUT01 = '010', Produto.ALIQICMSPDV = 17, "
            "Produto.SUBSTRIB = 'ST''', Produto.AliqIpi = 5, Produto.PESO = 5E-5, "
            "Produto.UNIDADEENT = 'CX', Produto.UNIDADESAIDA = 'FR''', "
            "Produto.CodFamilia = '''F', Produto.CodTipoProduto = 'T''', "
            "Produto.CodVolume = 'V''', Produto.TipoEntrega = 'E', Produto.PRECO = 12.5, "
            "Produto.SUGESTAO = 1.5, Produto.DESCRICAOPRECO = 'Vista''', "
            "Produto.PRECO2 = 1234567.891, Produto.DESCRICAOPRECO2 = 'Prazo''', "
            "Produto.PRECO3 = 0.1, Produto.DESCRICAOPRECO3 = 'Promo''', Produto.PRECO4 = 0.0005, "
            "Produto.DESCRICAOPRECO4 = 'Cinco''', Produto.PRECO_ANTERIOR = -7.25, "
            "Produto.Pr_Ult_Ent1 = 8.75, Produto.Lucro = 30, Produto.Lucro2 = 35, "
            "Produto.Lucro3 = 40, Produto.Lucro4 = 45, Produto.EstMinimo = 3, "
            "Produto.EstMaximo = 300, Produto.Comissao = 2.5, Produto.Perc_Iva = 33.5, "
            "Produto.FatorConversao = 6, Produto.MultDivide = 'M''', Produto.ValorIpi = 2.25, "
            "Produto.PrecoPromo = 9.99, Produto.DT_CADASTRO = '25/12''2013', "
            "Produto.Data_Ult_Ent1 = '05.03.2014', Produto.Data_Ult_Reajuste = '02.01.1900', "
            "Produto.Data_Ult_Alteracao = '31.12.2024', Produto.Fracionado = 'Fr''', "
            "Produto.CAMPOLIVRE1 = 'Livre''1', Produto.CAMPOLIVRE2 = 'Livre''2', "
            "Produto.CAMPOLIVRE3 = 'Livre''3', Produto.CAMPOLIVRE4 = 'Livre''4', "
            "produto.mensagem00 = 'Msg''00', produto.aliqicmsreg01 = 7, "
            "produto.BaseIcmsReg01 = 70, produto.mensagem01 = 'Msg''01', "
            "produto.aliqicmsreg02 = 12, Produto.CODTRIBUT02 = '020', "
            "produto.mensagem02 = 'Msg''02', produto.aliqicmsreg03 = 25, "
            "produto.BaseIcmsReg03 = 95, Produto.CODTRIBUT03 = '030', "
            "produto.mensagem03 = 'Msg''03', produto.AliqIcmsDiversos = 4, "
            "produto.BaseIcmsdiversos = 60, Produto.CodTributDiversos = '090', "
            "produto.MensagemDiversos = 'Msg''DV', Produto.CodGeneroItem = 'G''30', "
            "produto.lucrosubstrib = 1000, produto.substribsaida = 'S''S', "
            "produto.percbasesubstribsaida = 80, Produto.PERCPERDA = 0.75, "
            "produto.PercIcmsSubsTribSaida = 19, produto.substribsaidaR1 = 'R1''', "
            "produto.percbasesubstribsaidaR1 = 101, produto.PercIcmsSubsTribSaidaR1 = 11, "
            "produto.substribsaidaR2 = 'R2''', produto.percbasesubstribsaidaR2 = 102, "
            "produto.PercIcmsSubsTribSaidaR2 = 12.25, produto.substribsaidaR3 = 'R3''', "
            "produto.percbasesubstribsaidaR3 = 103, produto.PercIcmsSubsTribSaidaR3 = 13, "
            "produto.substribsaidaR4 = 'R4''', produto.percbasesubstribsaidaR4 = 104, "
            "produto.PercIcmsSubsTribSaidaR4 = 14, produto.Quant_Ult_Ent1 = 48, "
            "Produto.CFOPFORAUF = '6''10', "
            "Produto.CFOPDENTROUF = '5''10' Where Produto.CODPROD = '000007'"));
}

TEST(TConverteProdutoAtualizacao, BoundUpdatesAreWhatTheirTextsReadAs) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    const auto expectBoundAsRead = [&produto] {
        ExpectBoundAsTheTextReads(produto.BoundAtualiza(), produto.MontaSqlAtualiza());
        ExpectBoundAsTheTextReads(produto.BoundAtualizaPreco(), produto.MontaSqlAtualizaPreco());
    };
    expectBoundAsRead();
    FillForUpdate(produto);
    for (const QString& registration : {QString(), u"d'hoje"_qs}) {
        produto.SetDt_Cadastro(registration);
        for (const double price : {0.0, 12.5, -0.1, 1.0 / 3.0, 3e15, 5e-5, 1e300}) {
            SCOPED_TRACE(registration.toStdString() + " " + std::to_string(price));
            produto.SetPreco(price);
            produto.SetLucro(-price);
            expectBoundAsRead();
        }
    }
}

TEST(TConverteProdutoAtualizacao, AtualizaProdutoRewritesTheRowOfItsCodeAndNothingElse) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"7"_qs);
    produto.SetAliqIss(2);
    produto.SetGrade(4);
    produto.ExecutaSql();
    produto.SetCodProd(u"8"_qs);
    produto.SetDescricao(u"vizinho"_qs);
    produto.ExecutaSql();
    target.Transaction().Commit();
    const std::vector<QStringList> before = target.Rows(kEveryColumn);
    ASSERT_EQ(before.size(), 2u);

    FillForUpdate(produto);
    EXPECT_TRUE(produto.AtualizaProduto());
    EXPECT_EQ(produto.CodProd(), u"000000"_qs); // reset after the write
    EXPECT_EQ(produto.Preco(), 0.0);
    target.Transaction().Commit();

    // Code, ISS rate, grade and creation stamp as they were; every other column updated.
    EXPECT_EQ(target.Rows(kEveryColumn),
              (std::vector<QStringList>{before[0].mid(0, 4) + kStoredByTheUpdate, before[1]}));
}

TEST(TConverteProdutoAtualizacao, AnEmptyRegistrationTextBecomesNullAndTheNoDateDayIsWritten) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"7"_qs);
    produto.SetDt_Cadastro(u"25/12/2013"_qs);
    produto.SetData_Ult_Ent(Day(2014, 3, 5));
    produto.SetData_Ult_Rea(Day(2015, 4, 6));
    produto.SetData_Ult_Alteracao(Day(2016, 5, 7));
    produto.ExecutaSql();

    produto.SetCodProd(u"7"_qs);
    produto.AtualizaProduto();
    target.Transaction().Commit();

    EXPECT_EQ(target.Rows(u"SELECT DT_CADASTRO, DATA_ULT_ENT1, DATA_ULT_REAJUSTE, "
                          u"DATA_ULT_ALTERACAO FROM PRODUTO"_qs),
              (std::vector<QStringList>{
                  {u"<null>"_qs, u"01.01.1900"_qs, u"01.01.1900"_qs, u"01.01.1900"_qs}}));
}

TEST(TConverteProdutoAtualizacao, UpdatesOfAMissingCodeChangeNothingAndReturnTrue) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"8"_qs);
    produto.SetPreco(3);
    produto.ExecutaSql();
    target.Transaction().Commit();
    const std::vector<QStringList> before = target.Rows(kEveryColumn);

    FillForUpdate(produto);
    produto.SetCodProd(u"9"_qs);
    EXPECT_TRUE(produto.AtualizaProduto());
    FillForUpdate(produto);
    produto.SetCodProd(u"9"_qs);
    EXPECT_TRUE(produto.AtualizaProdutoPreco());
    EXPECT_EQ(produto.CodProd(), u"000000"_qs);
    target.Transaction().Commit();

    EXPECT_EQ(target.Rows(kEveryColumn), before);
}

TEST(TConverteProdutoAtualizacao, AFailedUpdateKeepsTheRecord) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"7"_qs);
    produto.ExecutaSql();

    produto.SetCodProd(u"7"_qs);
    produto.SetDescricao(u"novo"_qs);
    produto.SetPrincipalFornecedor(u"1"_qs.repeated(11)); // padded, never cut: too wide
    ExpectErrorContaining([&] { produto.AtualizaProduto(); }, u"truncation"_qs);
    EXPECT_EQ(produto.CodProd(), u"000007"_qs);
    EXPECT_EQ(produto.Descricao(), u"novo"_qs);

    produto.SetPrincipalFornecedor(u"15"_qs);
    EXPECT_TRUE(produto.AtualizaProduto());
    target.Transaction().Commit();
    EXPECT_EQ(target.Rows(u"SELECT CODPROD, DESCRICAO, PRINCIPALFORNEC FROM PRODUTO"_qs),
              (std::vector<QStringList>{{u"000007"_qs, u"novo"_qs, u"000015"_qs}}));
}

TEST(TConverteProdutoAtualizacao, PriceUpdateTextNamesReferencesGroupSupplierAndPrices) {
    TargetDatabase unconnected;
    TConverteProduto produto(unconnected);
    EXPECT_EQ(produto.MontaSqlAtualizaPreco(),
              u" Update Produto SET Produto.REFERENCIA = '', Produto.REFFABRICANTE = '', "
              u"Produto.CODGRUPO = '', Produto.PRINCIPALFORNEC = '', Produto.PRECO = 0, "
              u"Produto.PRECO2 = 0, Produto.PRECO3 = 0, Produto.PRECO4 = 0 "
              u"Where Produto.CODPROD = '000000'"_qs);

    FillForUpdate(produto);
    EXPECT_EQ(produto.MontaSqlAtualizaPreco(),
              u" Update Produto SET Produto.REFERENCIA = 'REF''1', "
              u"Produto.REFFABRICANTE = 'FAB''2', Produto.CODGRUPO = '012', "
              u"Produto.PRINCIPALFORNEC = '000015', Produto.PRECO = 12.5, "
              u"Produto.PRECO2 = 1234567.891, Produto.PRECO3 = 0.1, Produto.PRECO4 = 0.0005 "
              u"Where Produto.CODPROD = '000007'"_qs);
}

TEST(TConverteProdutoAtualizacao, AtualizaProdutoPrecoChangesOnlyItsEightColumns) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    FillForUpdate(produto);
    produto.ExecutaSql();
    produto.SetCodProd(u"8"_qs);
    produto.ExecutaSql();
    target.Transaction().Commit();
    const std::vector<QStringList> before = target.Rows(kEveryColumn);
    ASSERT_EQ(before.size(), 2u);

    produto.SetCodProd(u"7"_qs);
    produto.SetReferencia(u"789'0"_qs);
    produto.SetRefFabricante(u"F-1"_qs);
    produto.SetCodGrupo(u"4"_qs);
    produto.SetPrincipalFornecedor(u"22"_qs);
    produto.SetPreco(10);
    produto.SetPreco2(20.5);
    produto.SetPreco3(-1);
    produto.SetPreco4(0.00005);
    produto.SetDescricao(u"não escrito"_qs);
    EXPECT_TRUE(produto.AtualizaProdutoPreco());
    EXPECT_EQ(produto.Descricao(), u""_qs);
    target.Transaction().Commit();

    EXPECT_EQ(target.Rows(kEveryColumn),
              (std::vector<QStringList>{With(before[0], {{u"REFERENCIA"_qs, u"789'0"_qs},
                                                         {u"REFFABRICANTE"_qs, u"F-1"_qs},
                                                         {u"CODGRUPO"_qs, u"004"_qs},
                                                         {u"PRINCIPALFORNEC"_qs, u"000022"_qs},
                                                         {u"PRECO"_qs, u"10"_qs},
                                                         {u"PRECO2"_qs, u"20.5"_qs},
                                                         {u"PRECO3"_qs, u"-1"_qs},
                                                         {u"PRECO4"_qs, u"5e-05"_qs}}),
                                        before[1]}));
}

TEST(TConverteProdutoAtualizacao, ControleSerieTextTakesTheFirstCharacterAsItIs) {
    struct Case {
        QString status;
        QString text;
    };
    const Case cases[] = {
        {u"Sim"_qs, u" Update PARAFAT set  PARAFAT.CONTROLESERIE = 'S'"_qs},
        {u"sim"_qs, u" Update PARAFAT set  PARAFAT.CONTROLESERIE = 's'"_qs},
        {u"'N"_qs, u" Update PARAFAT set  PARAFAT.CONTROLESERIE = ''''"_qs},
        {u""_qs, u" Update PARAFAT set  PARAFAT.CONTROLESERIE = ''"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status.toStdString());
        EXPECT_EQ(TConverteProduto::MontaSqlControleSerie(c.status), c.text);
    }
}

TEST(TConverteProdutoAtualizacao, AtivaControleSerieFlagsEveryParafatRowAndCommits) {
    ScratchTarget target;
    target.Execute({u"INSERT INTO PARAFAT (CODEMPRESA, CONTROLESERIE) VALUES ('00', 'N')"_qs,
                    u"INSERT INTO PARAFAT (CODEMPRESA, CONTROLESERIE) VALUES ('01', NULL)"_qs});
    const QString parafat = u"SELECT CODEMPRESA, CONTROLESERIE FROM PARAFAT ORDER BY 1"_qs;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"7"_qs);
    produto.ExecutaSql(); // pending until the switch commits it
    produto.SetCodProd(u"8"_qs);

    produto.AtivaControleSerie(u"Sim"_qs);
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_EQ(target.Rows(parafat),
              (std::vector<QStringList>{{u"00"_qs, u"S"_qs}, {u"01"_qs, u"S"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT CODPROD FROM PRODUTO"_qs),
              std::vector<QStringList>{{u"000007"_qs}});
    EXPECT_EQ(produto.CodProd(), u"000008"_qs); // the record is left alone

    produto.AtivaControleSerie(u"sim"_qs);
    EXPECT_EQ(target.Rows(parafat),
              (std::vector<QStringList>{{u"00"_qs, u"s"_qs}, {u"01"_qs, u"s"_qs}}));
}

TEST(TConverteProdutoAtualizacao, GravaRelPrFoInsertsAMainSupplierLinkWithoutCommitting) {
    EXPECT_EQ(TConverteProduto::MontaSqlRelPrFo(),
              u" Insert Into relprfo (relprfo.codprod,relprfo.codfornec,relprfo.principal,"
              u"relprfo.codprodfornec) Values ( :Produto,:Fornecedor,\"S\",:codprodfornec ) "_qs);

    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"8"_qs);
    const QString relprfo =
        u"SELECT CODPROD, CODFORNEC, PRINCIPAL, CODPRODFORNEC FROM RELPRFO ORDER BY 2"_qs;

    produto.GravaRelPrFo(u"000007"_qs, u"000015"_qs, u"D'AGUA :x -- 1"_qs);
    produto.GravaRelPrFo(u"000007"_qs, u" "_qs, u""_qs); // blank is not empty
    EXPECT_TRUE(target.Rows(relprfo).empty());           // not committed yet
    EXPECT_EQ(produto.CodProd(), u"000008"_qs);
    target.Transaction().Commit();
    EXPECT_EQ(
        target.Rows(relprfo),
        (std::vector<QStringList>{{u"000007"_qs, u" "_qs, u"S"_qs, u""_qs},
                                  {u"000007"_qs, u"000015"_qs, u"S"_qs, u"D'AGUA :x -- 1"_qs}}));

    // No look for an existing link: the same pair meets the table's key.
    ExpectErrorContaining([&] { produto.GravaRelPrFo(u"000007"_qs, u"000015"_qs, u"outro"_qs); },
                          u"PRIMARY or UNIQUE KEY"_qs);
}

TEST(TConverteProdutoAtualizacao, GravaRelPrFoWithoutASupplierWritesNothing) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.GravaRelPrFo(u"000007"_qs, u""_qs, u"X"_qs);
    EXPECT_FALSE(target.Transaction().InTransaction()); // no statement ran at all
    EXPECT_TRUE(target.Rows(u"SELECT CODPROD FROM RELPRFO"_qs).empty());
}

TEST(TConverteProdutoAtualizacao, GravaInventaInsertsOneEntryDatedTodayForTheRecordsCode) {
    EXPECT_EQ(TConverteProduto::MontaSqlInventa(),
              u" Insert Into inventa (inventa.codempresa,inventa.datainv,inventa.documento,"
              u"inventa.processado,inventa.codgrade,inventa.codcausa,inventa.codprod,"
              u"inventa.precocusto )  values ( \"00\",:Data,\"1\",\"N\",\"0000\",\"001\","
              u":pCodProd,:pPrecoCusto ) "_qs);

    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"7"_qs);
    const QString inventa = u"SELECT CODEMPRESA, DATAINV, DOCUMENTO, PROCESSADO, CODGRADE, "
                            u"CODCAUSA, CODPROD, PRECOCUSTO FROM INVENTA"_qs;

    const QDate dayBefore = QDate::currentDate();
    produto.GravaInventa(u"999999"_qs, 0.01); // the argument's code is not the one written
    const QDate dayAfter = QDate::currentDate();
    EXPECT_TRUE(target.Rows(inventa).empty()); // not committed yet
    EXPECT_EQ(produto.CodProd(), u"000007"_qs);
    target.Transaction().Commit();

    const std::vector<QStringList> rows = target.Rows(inventa);
    ASSERT_EQ(rows.size(), 1u);
    // The call may straddle midnight.
    const QString day = rows[0][1] == DateText(dayAfter) ? DateText(dayAfter) : DateText(dayBefore);
    EXPECT_EQ(rows[0], (QStringList{u"00"_qs, day, u"1"_qs, u"N"_qs, u"0000"_qs, u"001"_qs,
                                    u"000007"_qs, u"0.01"_qs}));
}

TEST(TConverteProdutoAtualizacao, GravaInventaWithACostNotAboveZeroWritesNothing) {
    ScratchTarget target;
    TConverteProduto produto(target.Database());
    produto.SetCodProd(u"7"_qs);
    for (const double cost : {0.0, -0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(cost);
        produto.GravaInventa(u"000007"_qs, cost);
    }
    EXPECT_FALSE(target.Transaction().InTransaction()); // no statement ran at all
    EXPECT_TRUE(target.Rows(u"SELECT CODPROD FROM INVENTA"_qs).empty());
}
