#include "writers/Produto.h"

#include "db/DayNumber.h"
#include "writers/Cutting.h"
#include "writers/FormatSettings.h"
#include "writers/SqlText.h"
#include "writers/SqlValue.h"
#include "writers/TextRules.h"
#include "writers/Today.h"
#include "writers/ValueHelpers.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace vorlanda {

namespace {

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

// A column of the INSERT with its value, which is rendered into the text or bound.
struct Column {
    QStringView column; // a literal of the code
    SqlValue value;
};

// The INSERT's columns from the code to the promotional price, rendered, in statement order.
std::vector<Column> ColumnsBeforeTheDates(const TConverteProduto& p) {
    return {
        {u"Produto.CODPROD", SqlValue::Quoted(p.CodProd())},
        {u"Produto.TIPOPROD", SqlValue::Quoted(p.TipoProd())},
        {u"Produto.ATIVO", SqlValue::Quoted(p.Ativado())},
        {u"Produto.PRODBLOQUEADO", SqlValue::Quoted(p.ProdBloqueado())},
        {u"Produto.CONTROLESERIE", SqlValue::Quoted(p.ControleSerie())},
        {u"Produto.REFERENCIA", SqlValue::Quoted(p.Referencia())},
        {u"Produto.REFFABRICANTE", SqlValue::Quoted(p.RefFabricante())},
        {u"Produto.DESCRICAO", SqlValue::Quoted(p.Descricao())},
        {u"Produto.DESCRICAO2", SqlValue::Quoted(p.Descricao2())},
        {u"Produto.DESCRICAO3", SqlValue::Quoted(p.Descricao3())},
        {u"Produto.FORNEC_ULT_ENT1", SqlValue::Quoted(p.Fornec_Ult_Ent1())},
        {u"Produto.CODGRUPO", SqlValue::Quoted(p.CodGrupo())},
        {u"Produto.CODSUBGRUPO", SqlValue::Quoted(p.CodSubGrupo())},
        {u"Produto.PRINCIPALFORNEC", SqlValue::Quoted(p.PrincipalFornecedor())},
        {u"Produto.EMBALAGEM", SqlValue::Quoted(p.Embalagem())},
        {u"Produto.CODFABRIC", SqlValue::Quoted(p.CodFabric())},
        {u"Produto.OBSERVACAO", SqlValue::Quoted(p.Observacao())},
        {u"Produto.CODLOCAL", SqlValue::Quoted(p.CodLocal())},
        {u"Produto.CODCLASFIS", SqlValue::Quoted(p.CodClasFis())},
        {u"Produto.ALIQICMSREG00", SqlValue::Number(p.AliqIcmsReg00())},
        {u"Produto.BASEICMSREG00", SqlValue::Number(p.BaseIcmsReg00())},
        {u"Produto.BASEICMSREG02", SqlValue::Number(p.BaseIcmsReg02())},
        {u"Produto.CODTRIBUT00", SqlValue::Quoted(p.CodTribut00())},
        {u"Produto.CODTRIBUT01", SqlValue::Quoted(p.CodTribut01())},
        {u"Produto.ALIQICMSPDV", SqlValue::Number(p.AliqIcmsPdv())},
        {u"Produto.SUBSTRIB", SqlValue::Quoted(p.SubsTrib())},
        {u"Produto.AliqIpi", SqlValue::Number(p.AliqIpi())},
        {u"Produto.AliqISS", SqlValue::Number(p.AliqIss())},
        {u"Produto.PESO", SqlValue::Number(p.Peso())},
        {u"Produto.UNIDADEENT", SqlValue::Quoted(p.UnidEntrada())},
        {u"Produto.UNIDADESAIDA", SqlValue::Quoted(p.UnidSaida())},
        {u"Produto.CodFamilia", SqlValue::Quoted(p.CodFamilia())},
        {u"Produto.CodTipoProduto", SqlValue::Quoted(p.CodTipoProduto())},
        {u"Produto.CodVolume", SqlValue::Quoted(p.CodVolume())},
        {u"Produto.TipoEntrega", SqlValue::Quoted(p.TipoEntrega())},
        {u"Produto.CodGeneroItem", SqlValue::Quoted(p.CodGeneroItem())},
        {u"Produto.SUGESTAO", SqlValue::Number(p.Sugestao())},
        {u"Produto.PRECO", SqlValue::Number(p.Preco())},
        {u"Produto.DESCRICAOPRECO", SqlValue::Quoted(p.DescricaoPreco())},
        {u"Produto.PRECO2", SqlValue::Number(p.Preco2())},
        {u"Produto.DESCRICAOPRECO2", SqlValue::Quoted(p.DescricaoPreco2())},
        {u"Produto.PRECO3", SqlValue::Number(p.Preco3())},
        {u"Produto.DESCRICAOPRECO3", SqlValue::Quoted(p.DescricaoPreco3())},
        {u"Produto.PRECO4", SqlValue::Number(p.Preco4())},
        {u"Produto.DESCRICAOPRECO4", SqlValue::Quoted(p.DescricaoPreco4())},
        {u"Produto.PRECO_ANTERIOR", SqlValue::Number(p.Preco_Anterior())},
        {u"Produto.Pr_Ult_Ent1", SqlValue::Number(p.Pr_Ult_Ent1())},
        {u"Produto.Lucro", SqlValue::Number(p.Lucro())},
        {u"Produto.Lucro2", SqlValue::Number(p.Lucro2())},
        {u"Produto.Lucro3", SqlValue::Number(p.Lucro3())},
        {u"Produto.Lucro4", SqlValue::Number(p.Lucro4())},
        {u"Produto.EstMinimo", SqlValue::Number(p.EstMinimo())},
        {u"Produto.EstMaximo", SqlValue::Number(p.EstMaximo())},
        {u"Produto.Comissao", SqlValue::Number(p.Comissao())},
        {u"Produto.Perc_Iva", SqlValue::Number(p.PercIva())},
        {u"Produto.FatorConversao", SqlValue::Number(p.FatorConversao())},
        {u"Produto.MultDivide", SqlValue::Quoted(p.MultiplicaDivide())},
        {u"Produto.ValorIpi", SqlValue::Number(p.ValorIpi())},
        {u"Produto.PrecoPromo", SqlValue::Number(p.PrecoPromo())},
    };
}

// The INSERT's columns from Fracionado to the grade, rendered, in statement order.
std::vector<Column> ColumnsAfterTheDates(const TConverteProduto& p) {
    return {
        {u"Produto.Fracionado", SqlValue::Quoted(p.Fracionado())},
        {u"Produto.CAMPOLIVRE1", SqlValue::Quoted(p.CampoLivre1())},
        {u"Produto.CAMPOLIVRE2", SqlValue::Quoted(p.CampoLivre2())},
        {u"Produto.CAMPOLIVRE3", SqlValue::Quoted(p.CampoLivre3())},
        {u"Produto.CAMPOLIVRE4", SqlValue::Quoted(p.CampoLivre4())},
        {u"produto.mensagem00", SqlValue::Quoted(p.Mensagem00())},
        {u"produto.aliqicmsreg01", SqlValue::Number(p.AliqIcmsReg01())},
        {u"produto.BaseIcmsReg01", SqlValue::Number(p.BaseIcmsReg01())},
        {u"produto.mensagem01", SqlValue::Quoted(p.Mensagem01())},
        {u"produto.aliqicmsreg02", SqlValue::Number(p.AliqIcmsReg02())},
        {u"Produto.CODTRIBUT02", SqlValue::Quoted(p.CodTribut02())},
        {u"produto.mensagem02", SqlValue::Quoted(p.Mensagem02())},
        {u"produto.aliqicmsreg03", SqlValue::Number(p.AliqIcmsReg03())},
        {u"produto.BaseIcmsReg03", SqlValue::Number(p.BaseIcmsReg03())},
        {u"Produto.CODTRIBUT03", SqlValue::Quoted(p.CodTribut03())},
        {u"produto.mensagem03", SqlValue::Quoted(p.Mensagem03())},
        {u"produto.AliqIcmsDiversos", SqlValue::Number(p.AliqIcmsDiversos())},
        {u"produto.BaseIcmsdiversos", SqlValue::Number(p.BaseIcmsdiversos())},
        {u"Produto.CodTributDiversos", SqlValue::Quoted(p.CodTributDiversos())},
        {u"produto.MensagemDiversos", SqlValue::Quoted(p.MensagemDiversos())},
        {u"produto.lucrosubstrib", SqlValue::Number(p.LucroSubStrib())},
        {u"produto.substribsaida", SqlValue::Quoted(p.SubsTribSaida())},
        {u"Produto.PERCPERDA", SqlValue::Number(p.PercPerda())},
        {QStringLiteral("produto.percbasesubstribsaida"),
         SqlValue::Number(p.PercBaseSubsTribSaida())},
        {QStringLiteral("produto.PercIcmsSubsTribSaida"),
         SqlValue::Number(p.PercIcmsSubsTribSaida())},
        {u"produto.substribsaidaR1", SqlValue::Quoted(p.SubsTribSaidaR1())},
        {QStringLiteral("produto.percbasesubstribsaidaR1"),
         SqlValue::Number(p.PercBaseSubsTribSaidaR1())},
        {QStringLiteral("produto.PercIcmsSubsTribSaidaR1"),
         SqlValue::Number(p.PercIcmsSubsTribSaidaR1())},
        {u"produto.substribsaidaR2", SqlValue::Quoted(p.SubsTribSaidaR2())},
        {QStringLiteral("produto.percbasesubstribsaidaR2"),
         SqlValue::Number(p.PercBaseSubsTribSaidaR2())},
        {QStringLiteral("produto.PercIcmsSubsTribSaidaR2"),
         SqlValue::Number(p.PercIcmsSubsTribSaidaR2())},
        {u"produto.substribsaidaR3", SqlValue::Quoted(p.SubsTribSaidaR3())},
        {QStringLiteral("produto.percbasesubstribsaidaR3"),
         SqlValue::Number(p.PercBaseSubsTribSaidaR3())},
        {QStringLiteral("produto.PercIcmsSubsTribSaidaR3"),
         SqlValue::Number(p.PercIcmsSubsTribSaidaR3())},
        {u"produto.substribsaidaR4", SqlValue::Quoted(p.SubsTribSaidaR4())},
        {QStringLiteral("produto.percbasesubstribsaidaR4"),
         SqlValue::Number(p.PercBaseSubsTribSaidaR4())},
        {u"Produto.ControleLote", SqlValue::Quoted(p.ControleLote())},
        {QStringLiteral("Produto.PercIcmsSubsTribSaidaR4"),
         SqlValue::Number(p.PercIcmsSubsTribSaidaR4())},
        {u"Produto.Quant_Ult_Ent1", SqlValue::Number(p.Quant_Ult_Ent1())},
        {u"Produto.CFOPFORAUF", SqlValue::Quoted(p.CFOPForaUF())},
        {u"Produto.CFOPDENTROUF", SqlValue::Quoted(p.CFOPDentroUF())},
        {u"produto.grade", SqlValue::Integer(p.Grade())},
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

// The INSERT's columns with their values. Each column that has no value is left out, so the
// table's own default (NULL) applies instead of an empty text or the 1900 placeholder.
struct InsertColumns {
    std::vector<Column> before;
    std::vector<Column> optional; // the registration text and the dates that are there
    std::vector<Column> after;
    unsigned present = 0; // which of those four are there, one bit each
};

InsertColumns InsertColumnsOf(const TConverteProduto& p) {
    InsertColumns insert{ColumnsBeforeTheDates(p), {}, ColumnsAfterTheDates(p)};
    if (!p.Dt_Cadastro().isEmpty()) {
        insert.optional.push_back({u"Produto.DT_CADASTRO ,", SqlValue::Quoted(p.Dt_Cadastro())});
        insert.present |= 1u;
    }
    const struct {
        QStringView column;
        double day;
    } dates[] = {
        {u"Produto.Data_Ult_Ent1, ", p.Data_Ult_Ent()},
        {u"Produto.Data_Ult_Reajuste, ", p.Data_Ult_Rea()},
        {u"Produto.Data_Ult_Alteracao, ", p.Data_Ult_Alteracao()},
    };
    // Only the exact day number means "no date": a time of day on 1 January 1900 is written.
    const double noDate = TConverteProduto::NoDateDay();
    for (std::size_t i = 0; i < std::size(dates); ++i) {
        if (dates[i].day == noDate)
            continue;
        insert.optional.push_back(
            {dates[i].column, SqlValue::Date(DateFromDayNumber(dates[i].day))});
        insert.present |= 2u << i;
    }
    return insert;
}

// The INSERT's text up to its values: the column list, each optional column with the
// punctuation it is written with.
std::vector<QStringView> ColumnList(const InsertColumns& insert) {
    std::vector<QStringView> pieces;
    pieces.reserve(2 * (insert.before.size() + insert.after.size()) + 8);
    pieces.push_back(u" Insert Into Produto (");
    for (const Column& c : insert.before)
        pieces.insert(pieces.end(), {c.column, u","});
    for (const Column& c : insert.optional)
        pieces.push_back(c.column);
    AppendJoined(pieces, insert.after, u",", [](const Column& c) { return c.column; });
    pieces.push_back(u")");
    return pieces;
}

// The rendered form of columns, for the texts of the statements.
std::vector<RenderedColumn> Rendered(const std::vector<Column>& columns) {
    std::vector<RenderedColumn> rendered;
    rendered.reserve(columns.size());
    for (const Column& c : columns)
        rendered.push_back({c.column.toString(), c.value.Rendered()});
    return rendered;
}

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
    EmptyTable(QStringLiteral("Delete from PRODUTO"));
}

QString TConverteProduto::MontaSqlInsere() const {
    const InsertColumns insert = InsertColumnsOf(*this);
    // Rendered in this order, so that of two values that cannot be written the same one is
    // reported first whichever way the row goes.
    const std::vector<RenderedColumn> before = Rendered(insert.before);
    const std::vector<RenderedColumn> after = Rendered(insert.after);
    const std::vector<RenderedColumn> optional = Rendered(insert.optional);
    // The value list, laid out after the column list, then joined.
    std::vector<QStringView> pieces = ColumnList(insert);
    pieces.reserve(pieces.size() + 2 * (before.size() + optional.size() + after.size()) + 2);
    pieces.push_back(u" Values ( ");
    for (const RenderedColumn& c : before)
        pieces.insert(pieces.end(), {c.value, u", "});
    for (const RenderedColumn& c : optional)
        pieces.insert(pieces.end(), {c.value, u","});
    AppendJoined(pieces, after, u", ",
                 [](const RenderedColumn& c) { return QStringView(c.value); });
    pieces.push_back(u") ");
    return Concatenated(pieces);
}

std::optional<ParameterisedStatement> TConverteProduto::BoundInsert() const {
    const InsertColumns insert = InsertColumnsOf(*this);
    ParameterisedStatement bound;
    bound.values.reserve(insert.before.size() + insert.after.size() + insert.optional.size());
    // Bound in MontaSqlInsere's order of rendering, so that the same value raises, then put in
    // the statement's: the optional columns come before the ones after the dates.
    const auto valueOf = [](const Column& c) -> const SqlValue& { return c.value; };
    if (!AppendBound(bound.values, insert.before, valueOf) ||
        !AppendBound(bound.values, insert.after, valueOf) ||
        !AppendBound(bound.values, insert.optional, valueOf))
        return std::nullopt;
    const auto after = bound.values.begin() + static_cast<std::ptrdiff_t>(insert.before.size());
    std::rotate(after, after + static_cast<std::ptrdiff_t>(insert.after.size()),
                bound.values.end());
    // The shape depends only on which optional columns are there.
    QString& shape = insertShapes_.at(insert.present);
    if (shape.isEmpty()) {
        std::vector<QStringView> head = ColumnList(insert);
        head.push_back(u" Values (");
        shape = ParameterShape(std::move(head), bound.values.size());
    }
    bound.sql = shape;
    return bound;
}

bool TConverteProduto::ExecutaSql() {
    QDestino.ExecBound(BoundInsert(), [this] { return MontaSqlInsere(); });
    LimpaVariavel();
    return true;
}

QString TConverteProduto::MontaSqlAtualiza() const {
    std::vector<RenderedColumn> rendered = Rendered(ColumnsBeforeTheDates(*this));
    const std::vector<RenderedColumn> dates = UpdatedDates(*this);
    const std::vector<RenderedColumn> after = Rendered(ColumnsAfterTheDates(*this));
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
