#include "writers/ProdutoDetalhe.h"

#include "writers/FormatSettings.h"
#include "writers/SqlText.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace vorlanda {

namespace {

using RenderedColumn = std::pair<QString, QString>;

// Every column with its rendered value, in the order both statements list them; the product
// code comes first.
std::vector<RenderedColumn> Columns(const TConverteProdutoDetalhe& d) {
    return {
        {QStringLiteral("CODPROD"), SqlQuoted(d.CodProd())},
        {QStringLiteral("CONTROLERECEITUARIO"), SqlQuoted(d.ControleReceituario())},
        {QStringLiteral("CODIGOATIVIDADE"), SqlQuoted(d.CodigoAtividade())},
        {QStringLiteral("CODIGOLISTASERVICO"), SqlQuoted(d.CodigoListaServico())},
        {QStringLiteral("ESPELHOMERCSERV"), SqlQuoted(d.EspelhoMercServ())},
        {QStringLiteral("IMPORTADOPORTOSEGURO"), SqlQuoted(d.ImportadoPortoSeguro())},
        {QStringLiteral("CODPROMOCAO"), SqlInteger(d.CodPromocao())},
        {QStringLiteral("ALIQPIS"), SqlNumber(d.AliqPis())},
        {QStringLiteral("PIS_CST"), SqlQuoted(d.Pis_CST())},
        {QStringLiteral("PISENT_CST"), SqlQuoted(d.PisEnt_CST())},
        {QStringLiteral("PIS_ST"), SqlInteger(d.Pis_ST())},
        {QStringLiteral("ALIQCOFINS"), SqlNumber(d.AliqCofins())},
        {QStringLiteral("ALIQPISENT"), SqlNumber(d.AliqPisEnt())},
        {QStringLiteral("ALIQCOFINSENT"), SqlNumber(d.AliqCofinsEnt())},
        {QStringLiteral("COFINS_CST"), SqlQuoted(d.Cofins_CST())},
        {QStringLiteral("COFINSENT_CST"), SqlQuoted(d.CofinsEnt_CST())},
        {QStringLiteral("COFINS_ST"), SqlInteger(d.Cofins_ST())},
        {QStringLiteral("CODCSOSN"), SqlQuoted(d.CodCSOSN())},
        {QStringLiteral("PRECOMAXVENDA"), SqlNumber(d.PrecoMaxVenda())},
        {QStringLiteral("PONTOBONUS"), SqlInteger(d.PontoBonus())},
    };
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
    const std::vector<RenderedColumn> rendered = Columns(*this);
    // The column list and the value list are laid out side by side, then joined.
    std::vector<QStringView> columns;
    std::vector<QStringView> values;
    columns.reserve(2 * rendered.size() + 4);
    values.reserve(2 * rendered.size() + 2);
    columns.push_back(u" Insert Into ProdutoDetalhe ( ");
    values.push_back(u" )  Values (");
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        if (i > 0) {
            columns.push_back(u" , ");
            values.push_back(u", ");
        }
        columns.push_back(rendered[i].first);
        values.push_back(rendered[i].second);
    }
    values.push_back(u") ");
    columns.insert(columns.end(), values.begin(), values.end());
    return Concatenated(columns);
}

QString TConverteProdutoDetalhe::MontaSqlAtualiza() const {
    const std::vector<RenderedColumn> columns = Columns(*this);
    QStringList assignments;
    for (auto c = columns.begin() + 1; c != columns.end(); ++c)
        assignments.append(QStringLiteral("ProdutoDetalhe.") + c->first + QStringLiteral(" = ") +
                           c->second);
    return QStringLiteral(" Update ProdutoDetalhe SET ") + assignments.join(QStringLiteral(", ")) +
           QStringLiteral(" Where ProdutoDetalhe.CODPROD = ") + SqlQuoted(FCODPROD);
}

bool TConverteProdutoDetalhe::ExecutaSql() {
    QDestino.SetSQL(MontaSqlInsere());
    QDestino.ExecSQL();
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
