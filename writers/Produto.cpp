#include "writers/Produto.h"

#include "db/DayNumber.h"
#include "writers/Columns.h"
#include "writers/ConversionTally.h"
#include "writers/Cutting.h"
#include "writers/FormatSettings.h"
#include "writers/SqlText.h"
#include "writers/SqlValue.h"
#include "writers/TextRules.h"
#include "writers/UpdateStatement.h"
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
    return StrZero(Right(value, 3), 3);
}

// The day number of "no date", worked out once.
double NoDate() {
    static const double noDate = TConverteProduto::NoDateDay();
    return noDate;
}

} // namespace

// A column of PRODUTO; the second UPDATE is MontaSqlAtualizaPreco.
using ProdutoColumn = TableColumn<TConverteProduto>;

// The columns in the INSERT's order: the optional ones stand between the promotional price and
// Fracionado.
struct ProdutoColumns {
    using P = TConverteProduto;
    static const ProdutoColumn all[];
    static constexpr std::size_t count = 105;
    static constexpr std::size_t updated = 102;
    static constexpr std::size_t priced = 8;
};

const ProdutoColumn ProdutoColumns::all[] = {
    {u"Produto.CODPROD", &P::FCodProd, u"000000"},
    ProdutoColumn{u"Produto.TIPOPROD", &P::FTipoProd, u"R"}.Updated(0),
    ProdutoColumn{u"Produto.ATIVO", &P::FAtivado, u"S"}.Updated(1),
    ProdutoColumn{u"Produto.PRODBLOQUEADO", &P::FProdBloqueado, u"N"}.Updated(2),
    ProdutoColumn{u"Produto.CONTROLESERIE", &P::FControleSerie}.Updated(3),
    ProdutoColumn{u"Produto.REFERENCIA", &P::FReferencia}.Updated(5).InSecondUpdate(0),
    ProdutoColumn{u"Produto.REFFABRICANTE", &P::FRefFabricante}.Updated(6).InSecondUpdate(1),
    ProdutoColumn{u"Produto.DESCRICAO", &P::FDescricao}.Updated(7),
    ProdutoColumn{u"Produto.DESCRICAO2", &P::FDescricao2}.Updated(8),
    ProdutoColumn{u"Produto.DESCRICAO3", &P::FDescricao3}.Updated(9),
    ProdutoColumn{u"Produto.FORNEC_ULT_ENT1", &P::FFornec_Ult_Ent1}.Updated(10),
    ProdutoColumn{u"Produto.CODGRUPO", &P::FCodGrupo}.Updated(11).InSecondUpdate(2),
    ProdutoColumn{u"Produto.CODSUBGRUPO", &P::FCodSubGrupo}.Updated(12),
    ProdutoColumn{u"Produto.PRINCIPALFORNEC", &P::FPrincipalFornecedor}.Updated(13).InSecondUpdate(
        3),
    ProdutoColumn{u"Produto.EMBALAGEM", &P::FEmbalagem}.Updated(14),
    ProdutoColumn{u"Produto.CODFABRIC", &P::FCodFabric}.Updated(15),
    ProdutoColumn{u"Produto.OBSERVACAO", &P::FObservacao}.Updated(16),
    ProdutoColumn{u"Produto.CODLOCAL", &P::FCodLocal}.Updated(17),
    ProdutoColumn{u"Produto.CODCLASFIS", &P::FCodClasFis}.Updated(18),
    ProdutoColumn{u"Produto.ALIQICMSREG00", &P::FAliqIcmsReg00}.Updated(19),
    ProdutoColumn{u"Produto.BASEICMSREG00", &P::FBaseIcmsReg00}.Updated(20),
    ProdutoColumn{u"Produto.BASEICMSREG02", &P::FBaseIcmsReg02}.Updated(21),
    ProdutoColumn{u"Produto.CODTRIBUT00", &P::FCodTribut00}.Updated(22),
    ProdutoColumn{u"Produto.CODTRIBUT01", &P::FCodTribut01}.Updated(23),
    ProdutoColumn{u"Produto.ALIQICMSPDV", &P::FAliqIcmsPdv}.Updated(24),
    ProdutoColumn{u"Produto.SUBSTRIB", &P::FSubsTrib}.Updated(25),
    ProdutoColumn{u"Produto.AliqIpi", &P::FAliqIpi}.Updated(26),
    {u"Produto.AliqISS", &P::FAliqIss},
    ProdutoColumn{u"Produto.PESO", &P::FPeso}.Updated(27),
    ProdutoColumn{u"Produto.UNIDADEENT", &P::FUnidEntrada, u"UN"}.Updated(28),
    ProdutoColumn{u"Produto.UNIDADESAIDA", &P::FUnidSaida, u"UN"}.Updated(29),
    ProdutoColumn{u"Produto.CodFamilia", &P::FCodFamilia}.Updated(30),
    ProdutoColumn{u"Produto.CodTipoProduto", &P::FCodTipoProduto}.Updated(31),
    ProdutoColumn{u"Produto.CodVolume", &P::FCodVolume}.Updated(32),
    ProdutoColumn{u"Produto.TipoEntrega", &P::FTipoEntrega}.Updated(33),
    ProdutoColumn{u"Produto.CodGeneroItem", &P::FCodGeneroItem}.Updated(81),
    ProdutoColumn{u"Produto.SUGESTAO", &P::FSugestao}.Updated(35),
    ProdutoColumn{u"Produto.PRECO", &P::FPreco}.Updated(34).InSecondUpdate(4),
    ProdutoColumn{u"Produto.DESCRICAOPRECO", &P::FDescricaoPreco}.Updated(36),
    ProdutoColumn{u"Produto.PRECO2", &P::FPreco2}.Updated(37).InSecondUpdate(5),
    ProdutoColumn{u"Produto.DESCRICAOPRECO2", &P::FDescricaoPreco2}.Updated(38),
    ProdutoColumn{u"Produto.PRECO3", &P::FPreco3}.Updated(39).InSecondUpdate(6),
    ProdutoColumn{u"Produto.DESCRICAOPRECO3", &P::FDescricaoPreco3}.Updated(40),
    ProdutoColumn{u"Produto.PRECO4", &P::FPreco4}.Updated(41).InSecondUpdate(7),
    ProdutoColumn{u"Produto.DESCRICAOPRECO4", &P::FDescricaoPreco4}.Updated(42),
    ProdutoColumn{u"Produto.PRECO_ANTERIOR", &P::FPreco_Anterior}.Updated(43),
    ProdutoColumn{u"Produto.Pr_Ult_Ent1", &P::FPrUltEnt1}.Kept().Updated(44),
    ProdutoColumn{u"Produto.Lucro", &P::FLucro}.Updated(45),
    ProdutoColumn{u"Produto.Lucro2", &P::Flucro2}.Updated(46),
    ProdutoColumn{u"Produto.Lucro3", &P::FLucro3}.Updated(47),
    ProdutoColumn{u"Produto.Lucro4", &P::FLucro4}.Updated(48),
    ProdutoColumn{u"Produto.EstMinimo", &P::FEstMinimo}.Updated(49),
    ProdutoColumn{u"Produto.EstMaximo", &P::FEstMaximo}.Updated(50),
    ProdutoColumn{u"Produto.Comissao", &P::FComissao}.Updated(51),
    ProdutoColumn{u"Produto.Perc_Iva", &P::FPercIva}.Updated(52),
    ProdutoColumn{u"Produto.FatorConversao", &P::FFatorConversao}.Updated(53),
    ProdutoColumn{u"Produto.MultDivide", &P::FMultiplicaDifica}.Kept().Updated(54),
    ProdutoColumn{u"Produto.ValorIpi", &P::FValorIpi}.Updated(55),
    ProdutoColumn{u"Produto.PrecoPromo", &P::FPrecoPromo}.Updated(56),
    ProdutoColumn::OptionalText(u"Produto.DT_CADASTRO ,", &P::FDt_Cadastro)
        .Updated(57, u"Produto.DT_CADASTRO"),
    ProdutoColumn::Date(u"Produto.Data_Ult_Ent1, ", &P::FData_Ult_Ent, NoDate)
        .Updated(58, u"Produto.Data_Ult_Ent1"),
    ProdutoColumn::Date(u"Produto.Data_Ult_Reajuste, ", &P::FData_Ult_Rea, NoDate)
        .Updated(59, u"Produto.Data_Ult_Reajuste"),
    ProdutoColumn::Date(u"Produto.Data_Ult_Alteracao, ", &P::FData_Ult_Alt, NoDate)
        .Updated(60, u"Produto.Data_Ult_Alteracao"),
    ProdutoColumn{u"Produto.Fracionado", &P::FFracionado}.Updated(61),
    ProdutoColumn{u"Produto.CAMPOLIVRE1", &P::FCampoLivre1}.Updated(62),
    ProdutoColumn{u"Produto.CAMPOLIVRE2", &P::FCampoLivre2}.Updated(63),
    ProdutoColumn{u"Produto.CAMPOLIVRE3", &P::FCampoLivre3}.Updated(64),
    ProdutoColumn{u"Produto.CAMPOLIVRE4", &P::FCampoLivre4}.Updated(65),
    ProdutoColumn{u"produto.mensagem00", &P::FMensagem00}.Updated(66),
    ProdutoColumn{u"produto.aliqicmsreg01", &P::FAliqIcmsReg01}.Updated(67),
    ProdutoColumn{u"produto.BaseIcmsReg01", &P::FBaseIcmsReg01}.Updated(68),
    ProdutoColumn{u"produto.mensagem01", &P::FMensagem01}.Updated(69),
    ProdutoColumn{u"produto.aliqicmsreg02", &P::FAliqIcmsReg02}.Updated(70),
    ProdutoColumn{u"Produto.CODTRIBUT02", &P::FCodTribut02}.Updated(71),
    ProdutoColumn{u"produto.mensagem02", &P::FMensagem02}.Updated(72),
    ProdutoColumn{u"produto.aliqicmsreg03", &P::FAliqIcmsReg03}.Updated(73),
    ProdutoColumn{u"produto.BaseIcmsReg03", &P::FBaseIcmsReg03}.Updated(74),
    ProdutoColumn{u"Produto.CODTRIBUT03", &P::FCodTribut03}.Updated(75),
    ProdutoColumn{u"produto.mensagem03", &P::FMensagem03}.Updated(76),
    ProdutoColumn{u"produto.AliqIcmsDiversos", &P::FAliqIcmsDiversos}.Updated(77),
    ProdutoColumn{u"produto.BaseIcmsdiversos", &P::FBaseIcmsdiversos}.Updated(78),
    ProdutoColumn{u"Produto.CodTributDiversos", &P::FCodTributDiversos}.Updated(79),
    ProdutoColumn{u"produto.MensagemDiversos", &P::FMensagemDiversos}.Updated(80),
    ProdutoColumn{u"produto.lucrosubstrib", &P::Flucrosubstrib}.Updated(82),
    ProdutoColumn{u"produto.substribsaida", &P::FSubsTribSaida}.Updated(83),
    ProdutoColumn{u"Produto.PERCPERDA", &P::FPercPerda}.Kept().Updated(85),
    ProdutoColumn{u"produto.percbasesubstribsaida", &P::FPercBaseSubsTribSaida}.Updated(84),
    ProdutoColumn{u"produto.PercIcmsSubsTribSaida", &P::FPercIcmsSubsTribSaida}.Updated(86),
    ProdutoColumn{u"produto.substribsaidaR1", &P::FSubsTribSaidaR1}.Updated(87),
    ProdutoColumn{u"produto.percbasesubstribsaidaR1", &P::FPercBaseSubsTribSaidaR1}.Updated(88),
    ProdutoColumn{u"produto.PercIcmsSubsTribSaidaR1", &P::FPercIcmsSubsTribSaidaR1}.Updated(89),
    ProdutoColumn{u"produto.substribsaidaR2", &P::FSubsTribSaidaR2}.Updated(90),
    ProdutoColumn{u"produto.percbasesubstribsaidaR2", &P::FPercBaseSubsTribSaidaR2}.Updated(91),
    ProdutoColumn{u"produto.PercIcmsSubsTribSaidaR2", &P::FPercIcmsSubsTribSaidaR2}.Updated(92),
    ProdutoColumn{u"produto.substribsaidaR3", &P::FSubsTribSaidaR3}.Updated(93),
    ProdutoColumn{u"produto.percbasesubstribsaidaR3", &P::FPercBaseSubsTribSaidaR3}.Updated(94),
    ProdutoColumn{u"produto.PercIcmsSubsTribSaidaR3", &P::FPercIcmsSubsTribSaidaR3}.Updated(95),
    ProdutoColumn{u"produto.substribsaidaR4", &P::FSubsTribSaidaR4}.Updated(96),
    ProdutoColumn{u"produto.percbasesubstribsaidaR4", &P::FPercBaseSubsTribSaidaR4}.Updated(97),
    ProdutoColumn{u"Produto.ControleLote", &P::FControleLote}.Updated(4, u"Produto.CONTROLELOTE"),
    ProdutoColumn{u"Produto.PercIcmsSubsTribSaidaR4", &P::FPercIcmsSubsTribSaidaR4}.Updated(
        98, u"produto.PercIcmsSubsTribSaidaR4"),
    ProdutoColumn{u"Produto.Quant_Ult_Ent1", &P::FQuant_Ult_Ent1}.Updated(
        99, u"produto.Quant_Ult_Ent1"),
    ProdutoColumn{u"Produto.CFOPFORAUF", &P::FCFOPForaUF}.Updated(100),
    ProdutoColumn{u"Produto.CFOPDENTROUF", &P::FCFOPDentroUF}.Updated(101),
    {u"produto.grade", &P::FGRADE},
};

namespace {

using Columns = ProdutoColumns;
static_assert(std::size(Columns::all) == Columns::count);

const std::array<std::size_t, Columns::updated>& UpdateOrder() {
    static const auto order =
        StatementOrder<Columns::updated>(Columns::all, &ProdutoColumn::updateAt);
    return order;
}

const std::array<std::size_t, Columns::priced>& PriceOrder() {
    static const auto order =
        StatementOrder<Columns::priced>(Columns::all, &ProdutoColumn::secondUpdateAt);
    return order;
}

// How many columns come before the first optional one.
std::size_t ColumnsBeforeTheOptional() {
    static const std::size_t before =
        static_cast<std::size_t>(std::find_if(std::begin(Columns::all), std::end(Columns::all),
                                              [](const ProdutoColumn& c) { return c.Optional(); }) -
                                 std::begin(Columns::all));
    return before;
}

// The INSERT's text up to its values: each optional column with the punctuation it is written
// with, every other but the last followed by a comma.
std::vector<QStringView> ColumnList(unsigned present) {
    std::vector<QStringView> pieces;
    pieces.reserve(2 * Columns::count + 2);
    pieces.push_back(u" Insert Into Produto (");
    ForEachInserted(Columns::all, present, [&](std::size_t i, const ProdutoColumn& c) {
        pieces.push_back(c.insert);
        if (!c.Optional() && i + 1 < Columns::count)
            pieces.push_back(u",");
    });
    pieces.push_back(u")");
    return pieces;
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
    const FilledColumn filled(u"PRODUTO.CODPROD");
    FCodProd = StrZero(TrimmedFirst<6>(Value), 6);
}

void TConverteProduto::SetDescricao(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.DESCRICAO");
    FDescricao = Trim(Left(Value, 50));
}

void TConverteProduto::SetDescricao2(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.DESCRICAO2");
    FDescricao2 = First<50>(Value);
}

void TConverteProduto::SetDescricao3(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.DESCRICAO3");
    FDescricao3 = First<50>(Value);
}

void TConverteProduto::SetReferencia(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.REFERENCIA");
    FReferencia = First<20>(Value);
}

void TConverteProduto::SetRefFabricante(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.REFFABRICANTE");
    FRefFabricante = TrimmedFirst<20>(Value);
}

void TConverteProduto::SetPrincipalFornecedor(const QString& Value) {
    FPrincipalFornecedor = PaddedUnlessEmpty(Value, 6);
}

void TConverteProduto::SetCodGrupo(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CODGRUPO");
    // Only the emptiness is judged on the trimmed text; the code itself comes from the
    // untrimmed one, so "12 " stays "12 ".
    FCodGrupo = TrimmedFirst<3>(Value).isEmpty() ? QString() : LastThreePadded(Value);
}

void TConverteProduto::SetCodSubGrupo(const QString& Value) {
    FCodSubGrupo = Value.isEmpty() ? QString() : LastThreePadded(Value);
}

void TConverteProduto::SetUnidEntrada(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.UNIDADEENT");
    FUnidEntrada = First<6>(Value);
}

void TConverteProduto::SetUnidSaida(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.UNIDADESAIDA");
    FUnidSaida = First<6>(Value);
}

void TConverteProduto::SetCodFamilia(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CODFAMILIA");
    FCodFamilia = First<2>(Value);
}

void TConverteProduto::SetCodTipoProduto(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CODTIPOPRODUTO");
    FCodTipoProduto = First<2>(Value);
}

void TConverteProduto::SetDescricaoPreco(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.DESCRICAOPRECO");
    FDescricaoPreco = First<10>(Value);
}

void TConverteProduto::SetDescricaoPreco2(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.DESCRICAOPRECO2");
    FDescricaoPreco2 = First<10>(Value);
}

void TConverteProduto::SetDescricaoPreco3(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.DESCRICAOPRECO3");
    FDescricaoPreco3 = First<10>(Value);
}

void TConverteProduto::SetDescricaoPreco4(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.DESCRICAOPRECO4");
    FDescricaoPreco4 = First<10>(Value);
}

void TConverteProduto::SetCodLocal(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CODLOCAL");
    FCodLocal = First<8>(Value);
}

void TConverteProduto::SetCampoLivre1(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CAMPOLIVRE1");
    FCampoLivre1 = TrimmedFirst<20>(Value);
}

void TConverteProduto::SetCampoLivre2(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CAMPOLIVRE2");
    FCampoLivre2 = TrimmedFirst<20>(Value);
}

void TConverteProduto::SetCampoLivre3(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CAMPOLIVRE3");
    FCampoLivre3 = TrimmedFirst<50>(Value);
}

void TConverteProduto::SetCampoLivre4(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CAMPOLIVRE4");
    FCampoLivre4 = TrimmedFirst<50>(Value);
}

void TConverteProduto::SetObservacao(const QString& Value) {
    FObservacao = Value;
}

void TConverteProduto::SetControleSerie(const QString& Value) {
    FControleSerie = Value;
}

void TConverteProduto::SetAtivado(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.ATIVO");
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
    const FilledColumn filled(u"PRODUTO.EMBALAGEM");
    FEmbalagem = TrimmedFirst<15>(Value);
}

void TConverteProduto::setFFornec_Ult_Ent1(const QString& Value) {
    FFornec_Ult_Ent1 = Value;
}

void TConverteProduto::SetFCodFabric(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CODFABRIC");
    const QString code = Trim(Value);
    FCodFabric = code.isEmpty() ? code : StrZero(Left(code, 5), 5);
}

void TConverteProduto::setCodVolume(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CODVOLUME");
    FCodVolume = First<3>(Value);
}

void TConverteProduto::setTipoEntrega(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.TIPOENTREGA");
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
    const FilledColumn filled(u"PRODUTO.CFOPFORAUF");
    FCFOPForaUF = First<4>(Value);
}

void TConverteProduto::SetCFOPDentroUF(const QString& Value) {
    const FilledColumn filled(u"PRODUTO.CFOPDENTROUF");
    FCFOPDentroUF = First<4>(Value);
}

void TConverteProduto::setMultiplicaDivide(const QString& Value) {
    FMultiplicaDifica = Value;
}

void TConverteProduto::SetCodGeneroItem(const QString& Value) {
    FCodGeneroItem = Value;
}

void TConverteProduto::LimpaVariavel() {
    for (const ProdutoColumn& c : Columns::all)
        c.Reset(*this);
}

void TConverteProduto::LimpaTabela() {
    EmptyTable(QStringLiteral("Delete from PRODUTO"));
}

QString TConverteProduto::MontaSqlInsere() const {
    const unsigned present = PresentOptional(Columns::all, *this);
    // Rendered in the order BoundInsert binds, so that of two values that cannot be written
    // the same one is reported first whichever way the row goes.
    std::array<QString, Columns::count> rendered;
    for (std::size_t i = 0; i < Columns::count; ++i) {
        if (!Columns::all[i].Optional())
            rendered[i] = Columns::all[i].Value(*this).Rendered();
    }
    ForEachInserted(Columns::all, present, [&](std::size_t i, const ProdutoColumn& c) {
        if (c.Optional())
            rendered[i] = c.Value(*this).Rendered();
    });
    std::vector<QStringView> pieces = ColumnList(present);
    pieces.reserve(pieces.size() + 2 * Columns::count + 2);
    pieces.push_back(u" Values ( ");
    ForEachInserted(Columns::all, present, [&](std::size_t i, const ProdutoColumn& c) {
        pieces.push_back(rendered[i]);
        if (c.Optional())
            pieces.push_back(u",");
        else if (i + 1 < Columns::count)
            pieces.push_back(u", ");
    });
    pieces.push_back(u") ");
    return Concatenated(pieces);
}

std::optional<ParameterisedStatement> TConverteProduto::BoundInsert() const {
    const unsigned present = PresentOptional(Columns::all, *this);
    ParameterisedStatement bound;
    bound.values.reserve(Columns::count);
    // Bound in MontaSqlInsere's order of rendering, so that the same value raises, then put in
    // the statement's: the optional columns come before the ones after them in the table.
    for (const ProdutoColumn& c : Columns::all) {
        if (!c.Optional() && !c.Value(*this).BindTo(bound.values.emplace_back()))
            return std::nullopt;
    }
    const std::size_t fixed = bound.values.size();
    bool bindable = true;
    ForEachInserted(Columns::all, present, [&](std::size_t, const ProdutoColumn& c) {
        if (bindable && c.Optional())
            bindable = c.Value(*this).BindTo(bound.values.emplace_back());
    });
    if (!bindable)
        return std::nullopt;
    const auto after =
        bound.values.begin() + static_cast<std::ptrdiff_t>(ColumnsBeforeTheOptional());
    std::rotate(after, bound.values.begin() + static_cast<std::ptrdiff_t>(fixed),
                bound.values.end());
    // The shape depends only on which optional columns are there.
    QString& shape = insertShapes_.at(present);
    if (shape.isEmpty()) {
        std::vector<QStringView> head = ColumnList(present);
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

namespace {

constexpr QStringView kUpdateHead = u" Update Produto SET ";
constexpr QStringView kUpdateWhere = u" Where Produto.CODPROD = ";

// The assignments of an UPDATE, in its order, with the value of each column by the table's
// index.
template <std::size_t N>
std::vector<Assignment> Assignments(const std::array<std::size_t, N>& order,
                                    const std::array<QStringView, Columns::count>& values) {
    std::vector<Assignment> assignments;
    assignments.reserve(N);
    for (const std::size_t i : order)
        assignments.push_back({Columns::all[i].update, values[i]});
    return assignments;
}

} // namespace

QString TConverteProduto::MontaSqlAtualiza() const {
    // Every column is rendered in the table's order, those the UPDATE leaves alone included,
    // so a value the INSERT could not write fails the UPDATE too, and the same one first.
    std::array<QString, Columns::count> rendered;
    std::array<QStringView, Columns::count> values;
    for (std::size_t i = 0; i < Columns::count; ++i) {
        const ProdutoColumn& c = Columns::all[i];
        if (c.NullInUpdate(*this)) {
            values[i] = kUpdateNull;
        } else {
            rendered[i] = c.Value(*this).Rendered();
            values[i] = rendered[i];
        }
    }
    return UpdateStatement(kUpdateHead, {}, Assignments(UpdateOrder(), values), kUpdateWhere,
                           SqlQuoted(FCodProd));
}

std::optional<ParameterisedStatement> TConverteProduto::BoundAtualiza() const {
    // Bound in MontaSqlAtualiza's order of rendering, so that the same value raises.
    std::array<TargetValue, Columns::count> bound;
    std::array<QStringView, Columns::count> marks;
    bool registered = true;
    for (std::size_t i = 0; i < Columns::count; ++i) {
        const ProdutoColumn& c = Columns::all[i];
        if (c.NullInUpdate(*this)) {
            marks[i] = kUpdateNull;
            registered = false;
        } else if (c.Value(*this).BindTo(bound[i])) {
            marks[i] = u"?";
        } else {
            return std::nullopt;
        }
    }
    ParameterisedStatement statement;
    statement.values.reserve(Columns::updated + 1);
    for (const std::size_t i : UpdateOrder()) {
        if (marks[i] == u"?")
            statement.values.push_back(std::move(bound[i]));
    }
    statement.values.emplace_back(FCodProd);
    QString& shape = updateShapes_.at(registered ? 1 : 0);
    if (shape.isEmpty())
        shape =
            UpdateStatement(kUpdateHead, {}, Assignments(UpdateOrder(), marks), kUpdateWhere, u"?");
    statement.sql = shape;
    return statement;
}

bool TConverteProduto::AtualizaProduto() {
    QDestino.ExecBound(BoundAtualiza(), [this] { return MontaSqlAtualiza(); });
    LimpaVariavel();
    return true;
}

QString TConverteProduto::MontaSqlAtualizaPreco() const {
    std::array<QString, Columns::count> rendered;
    std::array<QStringView, Columns::count> values;
    for (const std::size_t i : PriceOrder()) {
        rendered[i] = Columns::all[i].Value(*this).Rendered();
        values[i] = rendered[i];
    }
    return UpdateStatement(kUpdateHead, {}, Assignments(PriceOrder(), values), kUpdateWhere,
                           SqlQuoted(FCodProd));
}

std::optional<ParameterisedStatement> TConverteProduto::BoundAtualizaPreco() const {
    ParameterisedStatement bound;
    bound.values.reserve(Columns::priced + 1);
    for (const std::size_t i : PriceOrder()) {
        if (!Columns::all[i].Value(*this).BindTo(bound.values.emplace_back()))
            return std::nullopt;
    }
    bound.values.emplace_back(FCodProd);
    if (priceShape_.isEmpty()) {
        std::array<QStringView, Columns::count> marks;
        marks.fill(u"?");
        priceShape_ =
            UpdateStatement(kUpdateHead, {}, Assignments(PriceOrder(), marks), kUpdateWhere, u"?");
    }
    bound.sql = priceShape_;
    return bound;
}

bool TConverteProduto::AtualizaProdutoPreco() {
    QDestino.ExecBound(BoundAtualizaPreco(), [this] { return MontaSqlAtualizaPreco(); });
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
    QAuxiliar.ParamByName(QStringLiteral("Data")).SetAsDate(QDate::currentDate());
    QAuxiliar.ParamByName(QStringLiteral("pCodProd")).SetAsString(FCodProd);
    QAuxiliar.ParamByName(QStringLiteral("pPrecocusto")).SetAsFloat(sPrecoCusto);
    QAuxiliar.ExecSQL();
}

} // namespace vorlanda
