#include "writers/ProdutoDetalhe.h"

#include "writers/FormatSettings.h"
#include "writers/SqlText.h"
#include "writers/SqlValue.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace vorlanda {

namespace {

// A column with its value, which is rendered into a statement's text or bound.
using Column = std::pair<QString, SqlValue>;

// Every column with its value, in the order both statements list them; the product
// code comes first.
std::vector<Column> Columns(const TConverteProdutoDetalhe& d) {
    return {
        {QStringLiteral("CODPROD"), SqlValue::Quoted(d.CodProd())},
        {QStringLiteral("CONTROLERECEITUARIO"), SqlValue::Quoted(d.ControleReceituario())},
        {QStringLiteral("CODIGOATIVIDADE"), SqlValue::Quoted(d.CodigoAtividade())},
        {QStringLiteral("CODIGOLISTASERVICO"), SqlValue::Quoted(d.CodigoListaServico())},
        {QStringLiteral("ESPELHOMERCSERV"), SqlValue::Quoted(d.EspelhoMercServ())},
        {QStringLiteral("IMPORTADOPORTOSEGURO"), SqlValue::Quoted(d.ImportadoPortoSeguro())},
        {QStringLiteral("CODPROMOCAO"), SqlValue::Integer(d.CodPromocao())},
        {QStringLiteral("ALIQPIS"), SqlValue::Number(d.AliqPis())},
        {QStringLiteral("PIS_CST"), SqlValue::Quoted(d.Pis_CST())},
        {QStringLiteral("PISENT_CST"), SqlValue::Quoted(d.PisEnt_CST())},
        {QStringLiteral("PIS_ST"), SqlValue::Integer(d.Pis_ST())},
        {QStringLiteral("ALIQCOFINS"), SqlValue::Number(d.AliqCofins())},
        {QStringLiteral("ALIQPISENT"), SqlValue::Number(d.AliqPisEnt())},
        {QStringLiteral("ALIQCOFINSENT"), SqlValue::Number(d.AliqCofinsEnt())},
        {QStringLiteral("COFINS_CST"), SqlValue::Quoted(d.Cofins_CST())},
        {QStringLiteral("COFINSENT_CST"), SqlValue::Quoted(d.CofinsEnt_CST())},
        {QStringLiteral("COFINS_ST"), SqlValue::Integer(d.Cofins_ST())},
        {QStringLiteral("CODCSOSN"), SqlValue::Quoted(d.CodCSOSN())},
        {QStringLiteral("PRECOMAXVENDA"), SqlValue::Number(d.PrecoMaxVenda())},
        {QStringLiteral("PONTOBONUS"), SqlValue::Integer(d.PontoBonus())},
    };
}

// The INSERT's text up to its values.
std::vector<QStringView> InsertColumnList(const std::vector<Column>& columns) {
    std::vector<QStringView> pieces;
    pieces.reserve(2 * columns.size() + 2);
    pieces.push_back(u" Insert Into ProdutoDetalhe ( ");
    AppendJoined(pieces, columns, u" , ", [](const Column& c) { return QStringView(c.first); });
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
    QAuxiliar.Close();
    QAuxiliar.SetSQL(QStringLiteral("Delete from PRODUTODETALHE"));
    QAuxiliar.ExecSQL();
    QAuxiliar.Close();
    QAuxiliar.SetSQL(QStringLiteral("Commit;"));
    QAuxiliar.ExecSQL();
}

QString TConverteProdutoDetalhe::MontaSqlInsere() const {
    const std::vector<Column> columns = Columns(*this);
    std::vector<QString> rendered;
    rendered.reserve(columns.size());
    for (const Column& c : columns)
        rendered.push_back(c.second.Rendered());
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
                     [](const Column& c) -> const SqlValue& { return c.second; }))
        return std::nullopt;
    if (insertShape_.isEmpty()) {
        std::vector<QStringView> head = InsertColumnList(columns);
        head.push_back(u" )  Values (");
        insertShape_ = ParameterShape(std::move(head), bound.values.size());
    }
    bound.sql = insertShape_;
    return bound;
}

QString TConverteProdutoDetalhe::MontaSqlAtualiza() const {
    const std::vector<Column> columns = Columns(*this);
    QStringList assignments;
    for (auto c = columns.begin() + 1; c != columns.end(); ++c)
        assignments.append(QStringLiteral("ProdutoDetalhe.") + c->first + QStringLiteral(" = ") +
                           c->second.Rendered());
    return QStringLiteral(" Update ProdutoDetalhe SET ") + assignments.join(QStringLiteral(", ")) +
           QStringLiteral(" Where ProdutoDetalhe.CODPROD = ") + SqlQuoted(FCODPROD);
}

bool TConverteProdutoDetalhe::ExecutaSql() {
    QDestino.ExecBound(BoundInsert(), [this] { return MontaSqlInsere(); });
    LimpaVariavel();
    return true;
}

bool TConverteProdutoDetalhe::AtualizaProdutoDetalhe() {
    QDestino.SetSQL(MontaSqlAtualiza());
    QDestino.ExecSQL();
    LimpaVariavel();
    return true;
}

} // namespace vorlanda
