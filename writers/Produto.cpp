#include "writers/Produto.h"

#include "db/DayNumber.h"
#include "writers/FormatSettings.h"
#include "writers/SqlText.h"
#include "writers/TextRules.h"
#include "writers/Today.h"
#include "writers/ValueHelpers.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace vorlanda {

namespace {

template <int N> QString First(const QString& value) {
    return Left(value, N);
}

template <int N> QString TrimmedFirst(const QString& value) {
    return Left(Trim(value), N);
}

// Supplier and tax-status codes: an empty code stays empty instead of becoming all zeros,
// and a long one is kept whole for the target to accept or refuse.
QString PaddedUnlessEmpty(const QString& value, int width) {
    const QString code = Trim(value);
    return code.isEmpty() ? code : StrZero(code, width);
}

// Group codes are three characters wide; a longer code keeps its last three.
QString LastThreePadded(const QString& value) {
    return StrZero(value.right(3), 3);
}

// A date field as an SQL date; a day number outside the years 1 to 9999 raises Error.
QString SqlDayNumber(double dayNumber) {
    return SqlDate(DateFromDayNumber(dayNumber));
}

struct RenderedColumn {
    QString column;
    QString value;
};

// The INSERT's columns from the code to the promotional price, rendered, in statement order.
std::vector<RenderedColumn> ColumnsBeforeTheDates(const TConverteProduto& p) {
    return {
        {QStringLiteral("Produto.CODPROD"), SqlQuoted(p.CodProd())},
        {QStringLiteral("Produto.TIPOPROD"), SqlQuoted(p.TipoProd())},
        {QStringLiteral("Produto.ATIVO"), SqlQuoted(p.Ativado())},
        {QStringLiteral("Produto.PRODBLOQUEADO"), SqlQuoted(p.ProdBloqueado())},
        {QStringLiteral("Produto.CONTROLESERIE"), SqlQuoted(p.ControleSerie())},
        {QStringLiteral("Produto.REFERENCIA"), SqlQuoted(p.Referencia())},
        {QStringLiteral("Produto.REFFABRICANTE"), SqlQuoted(p.RefFabricante())},
        {QStringLiteral("Produto.DESCRICAO"), SqlQuoted(p.Descricao())},
        {QStringLiteral("Produto.DESCRICAO2"), SqlQuoted(p.Descricao2())},
        {QStringLiteral("Produto.DESCRICAO3"), SqlQuoted(p.Descricao3())},
        {QStringLiteral("Produto.FORNEC_ULT_ENT1"), SqlQuoted(p.Fornec_Ult_Ent1())},
        {QStringLiteral("Produto.CODGRUPO"), SqlQuoted(p.CodGrupo())},
        {QStringLiteral("Produto.CODSUBGRUPO"), SqlQuoted(p.CodSubGrupo())},
        {QStringLiteral("Produto.PRINCIPALFORNEC"), SqlQuoted(p.PrincipalFornecedor())},
        {QStringLiteral("Produto.EMBALAGEM"), SqlQuoted(p.Embalagem())},
        {QStringLiteral("Produto.CODFABRIC"), SqlQuoted(p.CodFabric())},
        {QStringLiteral("Produto.OBSERVACAO"), SqlQuoted(p.Observacao())},
        {QStringLiteral("Produto.CODLOCAL"), SqlQuoted(p.CodLocal())},
        {QStringLiteral("Produto.CODCLASFIS"), SqlQuoted(p.CodClasFis())},
        {QStringLiteral("Produto.ALIQICMSREG00"), SqlNumber(p.AliqIcmsReg00())},
        {QStringLiteral("Produto.BASEICMSREG00"), SqlNumber(p.BaseIcmsReg00())},
        {QStringLiteral("Produto.BASEICMSREG02"), SqlNumber(p.BaseIcmsReg02())},
        {QStringLiteral("Produto.CODTRIBUT00"), SqlQuoted(p.CodTribut00())},
        {QStringLiteral("Produto.CODTRIBUT01"), SqlQuoted(p.CodTribut01())},
        {QStringLiteral("Produto.ALIQICMSPDV"), SqlNumber(p.AliqIcmsPdv())},
        {QStringLiteral("Produto.SUBSTRIB"), SqlQuoted(p.SubsTrib())},
        {QStringLiteral("Produto.AliqIpi"), SqlNumber(p.AliqIpi())},
        {QStringLiteral("Produto.AliqISS"), SqlNumber(p.AliqIss())},
        {QStringLiteral("Produto.PESO"), SqlNumber(p.Peso())},
        {QStringLiteral("Produto.UNIDADEENT"), SqlQuoted(p.UnidEntrada())},
        {QStringLiteral("Produto.UNIDADESAIDA"), SqlQuoted(p.UnidSaida())},
        {QStringLiteral("Produto.CodFamilia"), SqlQuoted(p.CodFamilia())},
        {QStringLiteral("Produto.CodTipoProduto"), SqlQuoted(p.CodTipoProduto())},
        {QStringLiteral("Produto.CodVolume"), SqlQuoted(p.CodVolume())},
        {QStringLiteral("Produto.TipoEntrega"), SqlQuoted(p.TipoEntrega())},
        {QStringLiteral("Produto.CodGeneroItem"), SqlQuoted(p.CodGeneroItem())},
        {QStringLiteral("Produto.SUGESTAO"), SqlNumber(p.Sugestao())},
        {QStringLiteral("Produto.PRECO"), SqlNumber(p.Preco())},
        {QStringLiteral("Produto.DESCRICAOPRECO"), SqlQuoted(p.DescricaoPreco())},
        {QStringLiteral("Produto.PRECO2"), SqlNumber(p.Preco2())},
        {QStringLiteral("Produto.DESCRICAOPRECO2"), SqlQuoted(p.DescricaoPreco2())},
        {QStringLiteral("Produto.PRECO3"), SqlNumber(p.Preco3())},
        {QStringLiteral("Produto.DESCRICAOPRECO3"), SqlQuoted(p.DescricaoPreco3())},
        {QStringLiteral("Produto.PRECO4"), SqlNumber(p.Preco4())},
        {QStringLiteral("Produto.DESCRICAOPRECO4"), SqlQuoted(p.DescricaoPreco4())},
        {QStringLiteral("Produto.PRECO_ANTERIOR"), SqlNumber(p.Preco_Anterior())},
        {QStringLiteral("Produto.Pr_Ult_Ent1"), SqlNumber(p.Pr_Ult_Ent1())},
        {QStringLiteral("Produto.Lucro"), SqlNumber(p.Lucro())},
        {QStringLiteral("Produto.Lucro2"), SqlNumber(p.Lucro2())},
        {QStringLiteral("Produto.Lucro3"), SqlNumber(p.Lucro3())},
        {QStringLiteral("Produto.Lucro4"), SqlNumber(p.Lucro4())},
        {QStringLiteral("Produto.EstMinimo"), SqlNumber(p.EstMinimo())},
        {QStringLiteral("Produto.EstMaximo"), SqlNumber(p.EstMaximo())},
        {QStringLiteral("Produto.Comissao"), SqlNumber(p.Comissao())},
        {QStringLiteral("Produto.Perc_Iva"), SqlNumber(p.PercIva())},
        {QStringLiteral("Produto.FatorConversao"), SqlNumber(p.FatorConversao())},
        {QStringLiteral("Produto.MultDivide"), SqlQuoted(p.MultiplicaDivide())},
        {QStringLiteral("Produto.ValorIpi"), SqlNumber(p.ValorIpi())},
        {QStringLiteral("Produto.PrecoPromo"), SqlNumber(p.PrecoPromo())},
    };
}

// The INSERT's columns from Fracionado to the grade, rendered, in statement order.
std::vector<RenderedColumn> ColumnsAfterTheDates(const TConverteProduto& p) {
    return {
        {QStringLiteral("Produto.Fracionado"), SqlQuoted(p.Fracionado())},
        {QStringLiteral("Produto.CAMPOLIVRE1"), SqlQuoted(p.CampoLivre1())},
        {QStringLiteral("Produto.CAMPOLIVRE2"), SqlQuoted(p.CampoLivre2())},
        {QStringLiteral("Produto.CAMPOLIVRE3"), SqlQuoted(p.CampoLivre3())},
        {QStringLiteral("Produto.CAMPOLIVRE4"), SqlQuoted(p.CampoLivre4())},
        {QStringLiteral("produto.mensagem00"), SqlQuoted(p.Mensagem00())},
        {QStringLiteral("produto.aliqicmsreg01"), SqlNumber(p.AliqIcmsReg01())},
        {QStringLiteral("produto.BaseIcmsReg01"), SqlNumber(p.BaseIcmsReg01())},
        {QStringLiteral("produto.mensagem01"), SqlQuoted(p.Mensagem01())},
        {QStringLiteral("produto.aliqicmsreg02"), SqlNumber(p.AliqIcmsReg02())},
        {QStringLiteral("Produto.CODTRIBUT02"), SqlQuoted(p.CodTribut02())},
        {QStringLiteral("produto.mensagem02"), SqlQuoted(p.Mensagem02())},
        {QStringLiteral("produto.aliqicmsreg03"), SqlNumber(p.AliqIcmsReg03())},
        {QStringLiteral("produto.BaseIcmsReg03"), SqlNumber(p.BaseIcmsReg03())},
        {QStringLiteral("Produto.CODTRIBUT03"), SqlQuoted(p.CodTribut03())},
        {QStringLiteral("produto.mensagem03"), SqlQuoted(p.Mensagem03())},
        {QStringLiteral("produto.AliqIcmsDiversos"), SqlNumber(p.AliqIcmsDiversos())},
        {QStringLiteral("produto.BaseIcmsdiversos"), SqlNumber(p.BaseIcmsdiversos())},
        {QStringLiteral("Produto.CodTributDiversos"), SqlQuoted(p.CodTributDiversos())},
        {QStringLiteral("produto.MensagemDiversos"), SqlQuoted(p.MensagemDiversos())},
        {QStringLiteral("produto.lucrosubstrib"), SqlNumber(p.LucroSubStrib())},
        {QStringLiteral("produto.substribsaida"), SqlQuoted(p.SubsTribSaida())},
        {QStringLiteral("Produto.PERCPERDA"), SqlNumber(p.PercPerda())},
        {QStringLiteral("produto.percbasesubstribsaida"), SqlNumber(p.PercBaseSubsTribSaida())},
        {QStringLiteral("produto.PercIcmsSubsTribSaida"), SqlNumber(p.PercIcmsSubsTribSaida())},
        {QStringLiteral("produto.substribsaidaR1"), SqlQuoted(p.SubsTribSaidaR1())},
        {QStringLiteral("produto.percbasesubstribsaidaR1"), SqlNumber(p.PercBaseSubsTribSaidaR1())},
        {QStringLiteral("produto.PercIcmsSubsTribSaidaR1"), SqlNumber(p.PercIcmsSubsTribSaidaR1())},
        {QStringLiteral("produto.substribsaidaR2"), SqlQuoted(p.SubsTribSaidaR2())},
        {QStringLiteral("produto.percbasesubstribsaidaR2"), SqlNumber(p.PercBaseSubsTribSaidaR2())},
        {QStringLiteral("produto.PercIcmsSubsTribSaidaR2"), SqlNumber(p.PercIcmsSubsTribSaidaR2())},
        {QStringLiteral("produto.substribsaidaR3"), SqlQuoted(p.SubsTribSaidaR3())},
        {QStringLiteral("produto.percbasesubstribsaidaR3"), SqlNumber(p.PercBaseSubsTribSaidaR3())},
        {QStringLiteral("produto.PercIcmsSubsTribSaidaR3"), SqlNumber(p.PercIcmsSubsTribSaidaR3())},
        {QStringLiteral("produto.substribsaidaR4"), SqlQuoted(p.SubsTribSaidaR4())},
        {QStringLiteral("produto.percbasesubstribsaidaR4"), SqlNumber(p.PercBaseSubsTribSaidaR4())},
        {QStringLiteral("Produto.ControleLote"), SqlQuoted(p.ControleLote())},
        {QStringLiteral("Produto.PercIcmsSubsTribSaidaR4"), SqlNumber(p.PercIcmsSubsTribSaidaR4())},
        {QStringLiteral("Produto.Quant_Ult_Ent1"), SqlNumber(p.Quant_Ult_Ent1())},
        {QStringLiteral("Produto.CFOPFORAUF"), SqlQuoted(p.CFOPForaUF())},
        {QStringLiteral("Produto.CFOPDENTROUF"), SqlQuoted(p.CFOPDentroUF())},
        {QStringLiteral("produto.grade"), SqlInteger(p.Grade())},
    };
}

// The UPDATE assigns every column, so it cannot leave one out for the table's default as the
// INSERT does: an unknown registration text is written as NULL and the no-date day as a date.
std::vector<RenderedColumn> UpdatedDates(const TConverteProduto& p) {
    return {
        {QStringLiteral("Produto.DT_CADASTRO"),
         p.Dt_Cadastro().isEmpty() ? QStringLiteral("NULL ") : SqlQuoted(p.Dt_Cadastro())},
        {QStringLiteral("Produto.Data_Ult_Ent1"), SqlDayNumber(p.Data_Ult_Ent())},
        {QStringLiteral("Produto.Data_Ult_Reajuste"), SqlDayNumber(p.Data_Ult_Rea())},
        {QStringLiteral("Produto.Data_Ult_Alteracao"), SqlDayNumber(p.Data_Ult_Alteracao())},
    };
}

// The UPDATE's columns in statement order and spelling. The order is not the INSERT's (the
// lot control, the suggested price, the genre code and the loss percentage sit elsewhere),
// but each value is the INSERT's rendering of the same column.
constexpr const char16_t* kUpdatedColumns[] = {
    u"Produto.TIPOPROD",
    u"Produto.ATIVO",
    u"Produto.PRODBLOQUEADO",
    u"Produto.CONTROLESERIE",
    u"Produto.CONTROLELOTE",
    u"Produto.REFERENCIA",
    u"Produto.REFFABRICANTE",
    u"Produto.DESCRICAO",
    u"Produto.DESCRICAO2",
    u"Produto.DESCRICAO3",
    u"Produto.FORNEC_ULT_ENT1",
    u"Produto.CODGRUPO",
    u"Produto.CODSUBGRUPO",
    u"Produto.PRINCIPALFORNEC",
    u"Produto.EMBALAGEM",
    u"Produto.CODFABRIC",
    u"Produto.OBSERVACAO",
    u"Produto.CODLOCAL",
    u"Produto.CODCLASFIS",
    u"Produto.ALIQICMSREG00",
    u"Produto.BASEICMSREG00",
    u"Produto.BASEICMSREG02",
    u"Produto.CODTRIBUT00",
    u"Produto.CODTRIBUT01",
    u"Produto.ALIQICMSPDV",
    u"Produto.SUBSTRIB",
    u"Produto.AliqIpi",
    u"Produto.PESO",
    u"Produto.UNIDADEENT",
    u"Produto.UNIDADESAIDA",
    u"Produto.CodFamilia",
    u"Produto.CodTipoProduto",
    u"Produto.CodVolume",
    u"Produto.TipoEntrega",
    u"Produto.PRECO",
    u"Produto.SUGESTAO",
    u"Produto.DESCRICAOPRECO",
    u"Produto.PRECO2",
    u"Produto.DESCRICAOPRECO2",
    u"Produto.PRECO3",
    u"Produto.DESCRICAOPRECO3",
    u"Produto.PRECO4",
    u"Produto.DESCRICAOPRECO4",
    u"Produto.PRECO_ANTERIOR",
    u"Produto.Pr_Ult_Ent1",
    u"Produto.Lucro",
    u"Produto.Lucro2",
    u"Produto.Lucro3",
    u"Produto.Lucro4",
    u"Produto.EstMinimo",
    u"Produto.EstMaximo",
    u"Produto.Comissao",
    u"Produto.Perc_Iva",
    u"Produto.FatorConversao",
    u"Produto.MultDivide",
    u"Produto.ValorIpi",
    u"Produto.PrecoPromo",
    u"Produto.DT_CADASTRO",
    u"Produto.Data_Ult_Ent1",
    u"Produto.Data_Ult_Reajuste",
    u"Produto.Data_Ult_Alteracao",
    u"Produto.Fracionado",
    u"Produto.CAMPOLIVRE1",
    u"Produto.CAMPOLIVRE2",
    u"Produto.CAMPOLIVRE3",
    u"Produto.CAMPOLIVRE4",
    u"produto.mensagem00",
    u"produto.aliqicmsreg01",
    u"produto.BaseIcmsReg01",
    u"produto.mensagem01",
    u"produto.aliqicmsreg02",
    u"Produto.CODTRIBUT02",
    u"produto.mensagem02",
    u"produto.aliqicmsreg03",
    u"produto.BaseIcmsReg03",
    u"Produto.CODTRIBUT03",
    u"produto.mensagem03",
    u"produto.AliqIcmsDiversos",
    u"produto.BaseIcmsdiversos",
    u"Produto.CodTributDiversos",
    u"produto.MensagemDiversos",
    u"Produto.CodGeneroItem",
    u"produto.lucrosubstrib",
    u"produto.substribsaida",
    u"produto.percbasesubstribsaida",
    u"Produto.PERCPERDA",
    u"produto.PercIcmsSubsTribSaida",
    u"produto.substribsaidaR1",
    u"produto.percbasesubstribsaidaR1",
    u"produto.PercIcmsSubsTribSaidaR1",
    u"produto.substribsaidaR2",
    u"produto.percbasesubstribsaidaR2",
    u"produto.PercIcmsSubsTribSaidaR2",
    u"produto.substribsaidaR3",
    u"produto.percbasesubstribsaidaR3",
    u"produto.PercIcmsSubsTribSaidaR3",
    u"produto.substribsaidaR4",
    u"produto.percbasesubstribsaidaR4",
    u"produto.PercIcmsSubsTribSaidaR4",
    u"produto.Quant_Ult_Ent1",
    u"Produto.CFOPFORAUF",
    u"Produto.CFOPDENTROUF",
};

const QString& RenderedValue(const std::vector<RenderedColumn>& rendered, QStringView column) {
    const auto found =
        std::find_if(rendered.begin(), rendered.end(), [column](const RenderedColumn& c) {
            return column.compare(c.column, Qt::CaseInsensitive) == 0;
        });
    Q_ASSERT(found != rendered.end());
    return found->value;
}

QString UpdateStatement(const std::vector<RenderedColumn>& assignments, const QString& codProd) {
    QStringList parts;
    for (const RenderedColumn& a : assignments)
        parts.append(a.column + QStringLiteral(" = ") + a.value);
    return QStringLiteral(" Update Produto SET ") + parts.join(QStringLiteral(", ")) +
           QStringLiteral(" Where Produto.CODPROD = ") + SqlQuoted(codProd);
}

} // namespace

TConverteProduto::TConverteProduto(TargetDatabase& cBanco) : TConversao(cBanco) {
    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("dd/mm/yyyy"));
    LimpaVariavel();
}

double TConverteProduto::NoDateDay() {
    return DayNumberFromDate(QDate(1900, 1, 1));
}

void TConverteProduto::SetCodProd(const QString& Value) {
    FCodProd = StrZero(TrimmedFirst<6>(Value), 6);
}

void TConverteProduto::SetDescricao(const QString& Value) {
    FDescricao = Trim(Left(Value, 50));
}

void TConverteProduto::SetDescricao2(const QString& Value) {
    FDescricao2 = First<50>(Value);
}

void TConverteProduto::SetDescricao3(const QString& Value) {
    FDescricao3 = First<50>(Value);
}

void TConverteProduto::SetReferencia(const QString& Value) {
    FReferencia = First<20>(Value);
}

void TConverteProduto::SetRefFabricante(const QString& Value) {
    FRefFabricante = TrimmedFirst<20>(Value);
}

void TConverteProduto::SetPrincipalFornecedor(const QString& Value) {
    FPrincipalFornecedor = PaddedUnlessEmpty(Value, 6);
}

void TConverteProduto::SetCodGrupo(const QString& Value) {
    // Only the emptiness is judged on the trimmed text; the code itself comes from the
    // untrimmed one, so "12 " stays "12 ".
    FCodGrupo = TrimmedFirst<3>(Value).isEmpty() ? QString() : LastThreePadded(Value);
}

void TConverteProduto::SetCodSubGrupo(const QString& Value) {
    FCodSubGrupo = Value.isEmpty() ? QString() : LastThreePadded(Value);
}

void TConverteProduto::SetUnidEntrada(const QString& Value) {
    FUnidEntrada = First<6>(Value);
}

void TConverteProduto::SetUnidSaida(const QString& Value) {
    FUnidSaida = First<6>(Value);
}

void TConverteProduto::SetCodFamilia(const QString& Value) {
    FCodFamilia = First<2>(Value);
}

void TConverteProduto::SetCodTipoProduto(const QString& Value) {
    FCodTipoProduto = First<2>(Value);
}

void TConverteProduto::SetDescricaoPreco(const QString& Value) {
    FDescricaoPreco = First<10>(Value);
}

void TConverteProduto::SetDescricaoPreco2(const QString& Value) {
    FDescricaoPreco2 = First<10>(Value);
}

void TConverteProduto::SetDescricaoPreco3(const QString& Value) {
    FDescricaoPreco3 = First<10>(Value);
}

void TConverteProduto::SetDescricaoPreco4(const QString& Value) {
    FDescricaoPreco4 = First<10>(Value);
}

void TConverteProduto::SetCodLocal(const QString& Value) {
    FCodLocal = First<8>(Value);
}

void TConverteProduto::SetCampoLivre1(const QString& Value) {
    FCampoLivre1 = TrimmedFirst<20>(Value);
}

void TConverteProduto::SetCampoLivre2(const QString& Value) {
    FCampoLivre2 = TrimmedFirst<20>(Value);
}

void TConverteProduto::SetCampoLivre3(const QString& Value) {
    FCampoLivre3 = TrimmedFirst<50>(Value);
}

void TConverteProduto::SetCampoLivre4(const QString& Value) {
    FCampoLivre4 = TrimmedFirst<50>(Value);
}

void TConverteProduto::SetObservacao(const QString& Value) {
    FObservacao = Value;
}

void TConverteProduto::SetControleSerie(const QString& Value) {
    FControleSerie = Value;
}

void TConverteProduto::SetAtivado(const QString& Value) {
    FAtivado = First<1>(Value);
}

void TConverteProduto::SetTipoProd(const QString& Value) {
    FTipoProd = Value;
}

void TConverteProduto::SetProdBloqueado(const QString& Value) {
    FProdBloqueado = Value;
}

void TConverteProduto::SetCodClasFis(const QString& Value) {
    FCodClasFis = Trim(Value).isEmpty() ? QString() : StrZero(Value, 4);
}

void TConverteProduto::SetCodTribut00(const QString& Value) {
    FCodTribut00 = PaddedUnlessEmpty(Value, 3);
}

void TConverteProduto::SetDt_Cadastro(const QString& Value) {
    FDt_Cadastro = Value;
}

void TConverteProduto::SetEmbalagem(const QString& Value) {
    FEmbalagem = TrimmedFirst<15>(Value);
}

void TConverteProduto::setFFornec_Ult_Ent1(const QString& Value) {
    FFornec_Ult_Ent1 = Value;
}

void TConverteProduto::SetFCodFabric(const QString& Value) {
    const QString code = Trim(Value);
    FCodFabric = code.isEmpty() ? code : StrZero(Left(code, 5), 5);
}

void TConverteProduto::setCodVolume(const QString& Value) {
    FCodVolume = First<3>(Value);
}

void TConverteProduto::setTipoEntrega(const QString& Value) {
    FTipoEntrega = First<1>(Value);
}

void TConverteProduto::SetMensagem00(const QString& Value) {
    FMensagem00 = Value;
}

void TConverteProduto::SetMensagem01(const QString& Value) {
    FMensagem01 = Value;
}

void TConverteProduto::SetCodTribut02(const QString& Value) {
    FCodTribut02 = PaddedUnlessEmpty(Value, 3);
}

void TConverteProduto::SetCodTribut03(const QString& Value) {
    FCodTribut03 = PaddedUnlessEmpty(Value, 3);
}

void TConverteProduto::SetMensagem02(const QString& Value) {
    FMensagem02 = Value;
}

void TConverteProduto::SetMensagem03(const QString& Value) {
    FMensagem03 = Value;
}

void TConverteProduto::SetControleLote(const QString& Value) {
    FControleLote = Value;
}

void TConverteProduto::SetCodTributDiversos(const QString& Value) {
    FCodTributDiversos = PaddedUnlessEmpty(Value, 3);
}

void TConverteProduto::SetMensagemDiversos(const QString& Value) {
    FMensagemDiversos = Value;
}

void TConverteProduto::SetSubsTribSaidaR1(const QString& Value) {
    FSubsTribSaidaR1 = Value;
}

void TConverteProduto::SetSubsTribSaidaR2(const QString& Value) {
    FSubsTribSaidaR2 = Value;
}

void TConverteProduto::SetSubsTribSaidaR3(const QString& Value) {
    FSubsTribSaidaR3 = Value;
}

void TConverteProduto::SetSubsTribSaidaR4(const QString& Value) {
    FSubsTribSaidaR4 = Value;
}

void TConverteProduto::SetSubsTrib(const QString& Value) {
    FSubsTrib = Value;
}

void TConverteProduto::SetSubsTribSaida(const QString& Value) {
    FSubsTribSaida = Value;
}

void TConverteProduto::SetCodTribut01(const QString& Value) {
    FCodTribut01 = PaddedUnlessEmpty(Value, 3);
}

void TConverteProduto::SetCFOPForaUF(const QString& Value) {
    FCFOPForaUF = First<4>(Value);
}

void TConverteProduto::SetCFOPDentroUF(const QString& Value) {
    FCFOPDentroUF = First<4>(Value);
}

void TConverteProduto::setMultiplicaDivide(const QString& Value) {
    FMultiplicaDifica = Value;
}

void TConverteProduto::SetCodGeneroItem(const QString& Value) {
    FCodGeneroItem = Value;
}

void TConverteProduto::LimpaVariavel() {
    const QString empty;
    const double noDate = NoDateDay();
    FData_Ult_Ent = noDate;
    FData_Ult_Rea = noDate;
    FData_Ult_Alt = noDate;
    FFracionado.clear();

    SetCodProd(empty);
    SetDescricao(empty);
    SetDescricao2(empty);
    SetDescricao3(empty);
    SetReferencia(empty);
    SetRefFabricante(empty);
    SetPrincipalFornecedor(empty);
    SetCodGrupo(empty);
    SetCodSubGrupo(empty);
    SetUnidEntrada(QStringLiteral("UN"));
    SetUnidSaida(QStringLiteral("UN"));
    SetCodFamilia(empty);
    SetCodTipoProduto(empty);
    SetDescricaoPreco(empty);
    SetDescricaoPreco2(empty);
    SetDescricaoPreco3(empty);
    SetDescricaoPreco4(empty);
    SetCodLocal(empty);
    SetCampoLivre1(empty);
    SetCampoLivre2(empty);
    SetCampoLivre3(empty);
    SetCampoLivre4(empty);
    SetObservacao(empty);
    SetControleSerie(empty);
    SetAtivado(QStringLiteral("S"));
    SetTipoProd(QStringLiteral("R"));
    SetProdBloqueado(QStringLiteral("N"));
    SetCodClasFis(empty);
    SetCodTribut00(empty);
    SetDt_Cadastro(empty);
    SetEmbalagem(empty);
    setFFornec_Ult_Ent1(empty);
    SetFCodFabric(empty);
    setCodVolume(empty);
    setTipoEntrega(empty);
    SetMensagem00(empty);
    SetMensagem01(empty);
    SetCodTribut02(empty);
    SetCodTribut03(empty);
    SetMensagem02(empty);
    SetMensagem03(empty);
    SetControleLote(empty);
    SetCodTributDiversos(empty);
    SetMensagemDiversos(empty);
    SetSubsTribSaidaR1(empty);
    SetSubsTribSaidaR2(empty);
    SetSubsTribSaidaR3(empty);
    SetSubsTribSaidaR4(empty);
    SetSubsTrib(empty);
    SetSubsTribSaida(empty);
    SetCodTribut01(empty);
    SetCFOPForaUF(empty);
    SetCFOPDentroUF(empty);
    SetCodGeneroItem(empty);

    SetSugestao(0);
    SetPreco(0);
    SetPreco2(0);
    SetPreco3(0);
    SetPreco4(0);
    SetPrecoAnterior(0);
    SetPeso(0);
    SetAliqIcmsReg00(0);
    SetBaseicmsReg00(0);
    SetAliqIcmsPdv(0);
    SetValorIpi(0);
    SetAliqIcmsReg02(0);
    SetAliqIcmsDiversos(0);
    SetBaseIcmsdiversos(0);
    SetPercBaseSubsTribSaidaR1(0);
    SetPercIcmsSubsTribSaidaR1(0);
    SetPercBaseSubsTribSaidaR2(0);
    SetPercIcmsSubsTribSaidaR2(0);
    SetPercBaseSubsTribSaidaR3(0);
    SetPercIcmsSubsTribSaidaR3(0);
    SetPercBaseSubsTribSaidaR4(0);
    SetPercIcmsSubsTribSaidaR4(0);
    SetQuant_Ult_Ent1(0);
    SetPrecoPromo(0);
    SetAliqIpi(0);
    SetAliqIss(0);
    SetLucro(0);
    setLucro2(0);
    setLucro3(0);
    setLucro4(0);
    SetEstMinimo(0);
    SetEstMaximo(0);
    SetAliqIcmsReg01(0);
    SetBaseIcmsReg01(0);
    SetAliqIcmsReg03(0);
    SetLucroSubStrib(0);
    SetPercBaseSubsTribSaida(0);
    SetPercIcmsSubsTribSaida(0);
    SetComissao(0);
    SetBaseIcmsReg02(0);
    SetBaseIcmsReg03(0);
    setPercIva(0);
    SetFatorConversao(0);
    SetGrade(0);
}

void TConverteProduto::LimpaTabela() {
    QAuxiliar.Close();
    QAuxiliar.SetSQL(QStringLiteral("Delete from PRODUTO"));
    QAuxiliar.ExecSQL();
    QAuxiliar.Close();
    QAuxiliar.SetSQL(QStringLiteral("Commit;"));
    QAuxiliar.ExecSQL();
}

QString TConverteProduto::MontaSqlInsere() const {
    const std::vector<RenderedColumn> before = ColumnsBeforeTheDates(*this);
    const std::vector<RenderedColumn> after = ColumnsAfterTheDates(*this);
    // The column list and the value list are laid out side by side, then joined.
    std::vector<QStringView> columns;
    std::vector<QStringView> values;
    columns.reserve(2 * (before.size() + after.size()) + 16);
    values.reserve(2 * (before.size() + after.size()) + 16);
    columns.push_back(u" Insert Into Produto (");
    values.push_back(u" Values ( ");
    for (const RenderedColumn& c : before) {
        columns.insert(columns.end(), {c.column, u","});
        values.insert(values.end(), {c.value, u", "});
    }

    // Each column that has no value is left out, so the table's own default (NULL) applies
    // instead of an empty text or the 1900 placeholder.
    QString optional[4];
    if (!FDt_Cadastro.isEmpty()) {
        optional[0] = SqlQuoted(FDt_Cadastro);
        columns.push_back(u"Produto.DT_CADASTRO ,");
        values.insert(values.end(), {optional[0], u","});
    }
    const struct {
        const char16_t* column;
        double day;
    } dates[] = {
        {u"Produto.Data_Ult_Ent1, ", FData_Ult_Ent},
        {u"Produto.Data_Ult_Reajuste, ", FData_Ult_Rea},
        {u"Produto.Data_Ult_Alteracao, ", FData_Ult_Alt},
    };
    // Only the exact day number means "no date": a time of day on 1 January 1900 is written.
    const double noDate = NoDateDay();
    for (std::size_t i = 0; i < std::size(dates); ++i) {
        if (dates[i].day == noDate)
            continue;
        optional[i + 1] = SqlDayNumber(dates[i].day);
        columns.push_back(dates[i].column);
        values.insert(values.end(), {optional[i + 1], u","});
    }

    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i > 0) {
            columns.push_back(u",");
            values.push_back(u", ");
        }
        columns.push_back(after[i].column);
        values.push_back(after[i].value);
    }
    columns.push_back(u")");
    values.push_back(u") ");
    columns.insert(columns.end(), values.begin(), values.end());
    return Concatenated(columns);
}

bool TConverteProduto::ExecutaSql() {
    QDestino.SetSQL(MontaSqlInsere());
    QDestino.ExecSQL();
    LimpaVariavel();
    return true;
}

QString TConverteProduto::MontaSqlAtualiza() const {
    std::vector<RenderedColumn> rendered = ColumnsBeforeTheDates(*this);
    const std::vector<RenderedColumn> dates = UpdatedDates(*this);
    const std::vector<RenderedColumn> after = ColumnsAfterTheDates(*this);
    rendered.insert(rendered.end(), dates.begin(), dates.end());
    rendered.insert(rendered.end(), after.begin(), after.end());

    std::vector<RenderedColumn> assignments;
    assignments.reserve(std::size(kUpdatedColumns));
    for (const char16_t* column : kUpdatedColumns)
        assignments.push_back({QString::fromUtf16(column), RenderedValue(rendered, column)});
    return UpdateStatement(assignments, FCodProd);
}

bool TConverteProduto::AtualizaProduto() {
    QDestino.SetSQL(MontaSqlAtualiza());
    QDestino.ExecSQL();
    LimpaVariavel();
    return true;
}

QString TConverteProduto::MontaSqlAtualizaPreco() const {
    return UpdateStatement(
        {
            {QStringLiteral("Produto.REFERENCIA"), SqlQuoted(FReferencia)},
            {QStringLiteral("Produto.REFFABRICANTE"), SqlQuoted(FRefFabricante)},
            {QStringLiteral("Produto.CODGRUPO"), SqlQuoted(FCodGrupo)},
            {QStringLiteral("Produto.PRINCIPALFORNEC"), SqlQuoted(FPrincipalFornecedor)},
            {QStringLiteral("Produto.PRECO"), SqlNumber(FPreco)},
            {QStringLiteral("Produto.PRECO2"), SqlNumber(FPreco2)},
            {QStringLiteral("Produto.PRECO3"), SqlNumber(FPreco3)},
            {QStringLiteral("Produto.PRECO4"), SqlNumber(FPreco4)},
        },
        FCodProd);
}

bool TConverteProduto::AtualizaProdutoPreco() {
    QDestino.SetSQL(MontaSqlAtualizaPreco());
    QDestino.ExecSQL();
    LimpaVariavel();
    return true;
}

QString TConverteProduto::MontaSqlControleSerie(const QString& Status) {
    return QStringLiteral(" Update PARAFAT set  PARAFAT.CONTROLESERIE = ") +
           SqlQuoted(Left(Status, 1));
}

void TConverteProduto::AtivaControleSerie(const QString& Status) {
    QAuxiliar.Close();
    QAuxiliar.SetSQL(MontaSqlControleSerie(Status));
    QAuxiliar.ExecSQL();
    QAuxiliar.SetSQL(QStringLiteral("Commit;"));
    QAuxiliar.ExecSQL();
}

QString TConverteProduto::MontaSqlRelPrFo() {
    // The double-quoted "S" is a text constant only in dialect 1, the target's dialect.
    return QStringLiteral(" Insert Into relprfo (relprfo.codprod,relprfo.codfornec,"
                          "relprfo.principal,relprfo.codprodfornec) Values ( "
                          ":Produto,:Fornecedor,\"S\",:codprodfornec ) ");
}

void TConverteProduto::GravaRelPrFo(const QString& sCodProduto, const QString& sPrincipalFornec,
                                    const QString& scodprodfornec) {
    if (sPrincipalFornec.isEmpty())
        return;
    QAuxiliar.Close();
    QAuxiliar.SetSQL(MontaSqlRelPrFo());
    QAuxiliar.ParamByName(QStringLiteral("Produto")).SetAsString(sCodProduto);
    QAuxiliar.ParamByName(QStringLiteral("Fornecedor")).SetAsString(sPrincipalFornec);
    QAuxiliar.ParamByName(QStringLiteral("codprodfornec")).SetAsString(scodprodfornec);
    QAuxiliar.ExecSQL();
}

QString TConverteProduto::MontaSqlInventa() {
    // The double-quoted constants are texts only in dialect 1, the target's dialect.
    return QStringLiteral(" Insert Into inventa (inventa.codempresa,inventa.datainv,"
                          "inventa.documento,inventa.processado,inventa.codgrade,"
                          "inventa.codcausa,inventa.codprod,inventa.precocusto )  values ( "
                          "\"00\",:Data,\"1\",\"N\",\"0000\",\"001\",:pCodProd,:pPrecoCusto ) ");
}

void TConverteProduto::GravaInventa(const QString& /*sCodProduto*/, double sPrecoCusto) {
    // Written as "not above zero" so that a NaN cost writes nothing either.
    if (!(sPrecoCusto > 0))
        return;
    QAuxiliar.Close();
    QAuxiliar.SetSQL(MontaSqlInventa());
    QAuxiliar.ParamByName(QStringLiteral("Data")).SetAsDate(Today());
    QAuxiliar.ParamByName(QStringLiteral("pCodProd")).SetAsString(FCodProd);
    QAuxiliar.ParamByName(QStringLiteral("pPrecocusto")).SetAsFloat(sPrecoCusto);
    QAuxiliar.ExecSQL();
}

} // namespace vorlanda
