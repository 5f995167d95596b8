#include "writers/ProdutoDetalhe.h"

#include "writers/Columns.h"
#include "writers/FormatSettings.h"
#include "writers/SqlText.h"
#include "writers/SqlValue.h"
#include "writers/UpdateStatement.h"

#include <utility>
#include <vector>

namespace vorlanda {

namespace {

// Every column with its value, in the order both statements list them; the product
// code comes first.
std::vector<Column> Columns(const TConverteProdutoDetalhe& d) {
    return {
        {u"CODPROD", SqlValue::Quoted(d.CodProd())},
        {u"CONTROLERECEITUARIO", SqlValue::Quoted(d.ControleReceituario())},
        {u"CODIGOATIVIDADE", SqlValue::Quoted(d.CodigoAtividade())},
        {u"CODIGOLISTASERVICO", SqlValue::Quoted(d.CodigoListaServico())},
        {u"ESPELHOMERCSERV", SqlValue::Quoted(d.EspelhoMercServ())},
        {u"IMPORTADOPORTOSEGURO", SqlValue::Quoted(d.ImportadoPortoSeguro())},
        {u"CODPROMOCAO", SqlValue::Integer(d.CodPromocao())},
        {u"ALIQPIS", SqlValue::Number(d.AliqPis())},
        {u"PIS_CST", SqlValue::Quoted(d.Pis_CST())},
        {u"PISENT_CST", SqlValue::Quoted(d.PisEnt_CST())},
        {u"PIS_ST", SqlValue::Integer(d.Pis_ST())},
        {u"ALIQCOFINS", SqlValue::Number(d.AliqCofins())},
        {u"ALIQPISENT", SqlValue::Number(d.AliqPisEnt())},
        {u"ALIQCOFINSENT", SqlValue::Number(d.AliqCofinsEnt())},
        {u"COFINS_CST", SqlValue::Quoted(d.Cofins_CST())},
        {u"COFINSENT_CST", SqlValue::Quoted(d.CofinsEnt_CST())},
        {u"COFINS_ST", SqlValue::Integer(d.Cofins_ST())},
        {u"CODCSOSN", SqlValue::Quoted(d.CodCSOSN())},
        {u"PRECOMAXVENDA", SqlValue::Number(d.PrecoMaxVenda())},
        {u"PONTOBONUS", SqlValue::Integer(d.PontoBonus())},
    };
}

// The INSERT's text up to its values.
std::vector<QStringView> InsertColumnList(const std::vector<Column>& columns) {
    std::vector<QStringView> pieces;
    pieces.reserve(2 * columns.size() + 2);
    pieces.push_back(u" Insert Into ProdutoDetalhe ( ");
    AppendJoined(pieces, columns, u" , ", [](const Column& c) { return c.column; });
    return pieces;
}

} // namespace

TConverteProdutoDetalhe::TConverteProdutoDetalhe(TargetDatabase& cBanco) : TConversao(cBanco) {
    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("dd/mm/yyyy"));
    LimpaVariavel();
}

void TConverteProdutoDetalhe::LimpaVariavel() {
    SetCODPROD(QString());
    SetCONTROLERECEITUARIO(QString());
    SetCODIGOATIVIDADE(QString());
    SetCODIGOLISTASERVICO(QString());
    SetESPELHOMERCSERV(QString());
    SetIMPORTADOPORTOSEGURO(QString());
    SetCODPROMOCAO(0);
    SetALIQPIS(0);
    SetPIS_CST(QString());
    SetPISENT_CST(QString());
    SetPIS_ST(0);
    SetALIQCOFINS(0);
    SetCOFINS_CST(QString());
    SetCOFINSENT_CST(QString());
    SetCOFINS_ST(0);
    SetCODCSOSN(QString());
    SetPRECOMAXVENDA(0);
    SetPONTOBONUS(0);
}

void TConverteProdutoDetalhe::LimpaTabela() {
    EmptyTable(QStringLiteral("Delete from PRODUTODETALHE"));
}

QString TConverteProdutoDetalhe::MontaSqlInsere() const {
    const std::vector<Column> columns = Columns(*this);
    std::vector<QString> rendered;
    rendered.reserve(columns.size());
    for (const Column& c : columns)
        rendered.push_back(c.value.Rendered());
    std::vector<QStringView> pieces = InsertColumnList(columns);
    pieces.reserve(pieces.size() + 2 * rendered.size() + 2);
    pieces.push_back(u" )  Values (");
    AppendJoined(pieces, rendered, u", ", [](const QString& value) { return QStringView(value); });
    pieces.push_back(u") ");
    return Concatenated(pieces);
}

std::optional<ParameterisedStatement> TConverteProdutoDetalhe::BoundInsert() const {
    const std::vector<Column> columns = Columns(*this);
    ParameterisedStatement bound;
    if (!AppendBound(bound.values, columns,
                     [](const Column& c) -> const SqlValue& { return c.value; }))
        return std::nullopt;
    if (insertShape_.isEmpty()) {
        std::vector<QStringView> head = InsertColumnList(columns);
        head.push_back(u" )  Values (");
        insertShape_ = ParameterShape(std::move(head), bound.values.size());
    }
    bound.sql = insertShape_;
    return bound;
}

namespace {

constexpr QStringView kUpdateHead = u" Update ProdutoDetalhe SET ";
constexpr QStringView kUpdatePrefix = u"ProdutoDetalhe.";
constexpr QStringView kUpdateWhere = u" Where ProdutoDetalhe.CODPROD = ";

// The UPDATE assigns every column but the product code, which comes first.
std::vector<Assignment> Assignments(const std::vector<Column>& columns,
                                    const std::vector<QStringView>& values) {
    std::vector<Assignment> assignments;
    assignments.reserve(columns.size() - 1);
    for (std::size_t i = 1; i < columns.size(); ++i)
        assignments.push_back({columns[i].column, values[i - 1]});
    return assignments;
}

} // namespace

QString TConverteProdutoDetalhe::MontaSqlAtualiza() const {
    const std::vector<Column> columns = Columns(*this);
    std::vector<QString> rendered;
    rendered.reserve(columns.size() - 1);
    for (auto c = columns.begin() + 1; c != columns.end(); ++c)
        rendered.push_back(c->value.Rendered());
    return UpdateStatement(kUpdateHead, kUpdatePrefix,
                           Assignments(columns, {rendered.begin(), rendered.end()}), kUpdateWhere,
                           SqlQuoted(FCODPROD));
}

std::optional<ParameterisedStatement> TConverteProdutoDetalhe::BoundAtualiza() const {
    const std::vector<Column> columns = Columns(*this);
    ParameterisedStatement bound;
    if (!AppendBound(bound.values, std::vector<Column>(columns.begin() + 1, columns.end()),
                     [](const Column& c) -> const SqlValue& { return c.value; }))
        return std::nullopt;
    bound.values.emplace_back(FCODPROD);
    if (updateShape_.isEmpty())
        updateShape_ =
            UpdateStatement(kUpdateHead, kUpdatePrefix,
                            Assignments(columns, std::vector<QStringView>(columns.size(), u"?")),
                            kUpdateWhere, u"?");
    bound.sql = updateShape_;
    return bound;
}

bool TConverteProdutoDetalhe::ExecutaSql() {
    QDestino.ExecBound(BoundInsert(), [this] { return MontaSqlInsere(); });
    LimpaVariavel();
    return true;
}

bool TConverteProdutoDetalhe::AtualizaProdutoDetalhe() {
    QDestino.ExecBound(BoundAtualiza(), [this] { return MontaSqlAtualiza(); });
    LimpaVariavel();
    return true;
}

} // namespace vorlanda
