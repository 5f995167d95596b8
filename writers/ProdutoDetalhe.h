#pragma once

#include "db/ParameterisedStatement.h"
#include "writers/classConversao.h"

#include <QtGlobal>
#include <optional>

namespace vorlanda {

// One row of PRODUTODETALHE: a product's PIS, COFINS and CSOSN details and a few commercial
// attributes, stored exactly as assigned and written as one literal INSERT or UPDATE.
// Creating one sets the process's short date format to "dd/mm/yyyy" for good.
class TConverteProdutoDetalhe : public TConversao {
public:
    explicit TConverteProdutoDetalhe(TargetDatabase& cBanco);

    const QString& CodProd() const noexcept { return FCODPROD; }
    const QString& ControleReceituario() const noexcept { return FCONTROLERECEITUARIO; }
    const QString& CodigoAtividade() const noexcept { return FCODIGOATIVIDADE; }
    const QString& CodigoListaServico() const noexcept { return FCODIGOLISTASERVICO; }
    const QString& EspelhoMercServ() const noexcept { return FESPELHOMERCSERV; }
    const QString& ImportadoPortoSeguro() const noexcept { return FIMPORTADOPORTOSEGURO; }
    qint32 CodPromocao() const noexcept { return FCODPROMOCAO; }
    double AliqPis() const noexcept { return FALIQPIS; }
    const QString& Pis_CST() const noexcept { return FPIS_CST; }
    const QString& PisEnt_CST() const noexcept { return FPISENT_CST; }
    qint32 Pis_ST() const noexcept { return FPIS_ST; }
    double AliqCofins() const noexcept { return FALIQCOFINS; }
    const QString& Cofins_CST() const noexcept { return FCOFINS_CST; }
    const QString& CofinsEnt_CST() const noexcept { return FCOFINSENT_CST; }
    qint32 Cofins_ST() const noexcept { return FCOFINS_ST; }
    const QString& CodCSOSN() const noexcept { return FCODCSOSN; }
    double PrecoMaxVenda() const noexcept { return FPRECOMAXVENDA; }
    qint32 PontoBonus() const noexcept { return FPONTOBONUS; }
    double AliqPisEnt() const noexcept { return FALIQPISENT; }
    double AliqCofinsEnt() const noexcept { return FALIQCOFINSENT; }

    void SetCODPROD(const QString& Value) { FCODPROD = Value; }
    void SetCONTROLERECEITUARIO(const QString& Value) { FCONTROLERECEITUARIO = Value; }
    void SetCODIGOATIVIDADE(const QString& Value) { FCODIGOATIVIDADE = Value; }
    void SetCODIGOLISTASERVICO(const QString& Value) { FCODIGOLISTASERVICO = Value; }
    void SetESPELHOMERCSERV(const QString& Value) { FESPELHOMERCSERV = Value; }
    void SetIMPORTADOPORTOSEGURO(const QString& Value) { FIMPORTADOPORTOSEGURO = Value; }
    void SetCODPROMOCAO(qint32 Value) noexcept { FCODPROMOCAO = Value; }
    void SetALIQPIS(double Value) noexcept { FALIQPIS = Value; }
    void SetPIS_CST(const QString& Value) { FPIS_CST = Value; }
    void SetPISENT_CST(const QString& Value) { FPISENT_CST = Value; }
    void SetPIS_ST(qint32 Value) noexcept { FPIS_ST = Value; }
    void SetALIQCOFINS(double Value) noexcept { FALIQCOFINS = Value; }
    void SetCOFINS_CST(const QString& Value) { FCOFINS_CST = Value; }
    void SetCOFINSENT_CST(const QString& Value) { FCOFINSENT_CST = Value; }
    void SetCOFINS_ST(qint32 Value) noexcept { FCOFINS_ST = Value; }
    void SetCODCSOSN(const QString& Value) { FCODCSOSN = Value; }
    void SetPRECOMAXVENDA(double Value) noexcept { FPRECOMAXVENDA = Value; }
    void SetPONTOBONUS(qint32 Value) noexcept { FPONTOBONUS = Value; }
    void SetALIQPISENT(double Value) noexcept { FALIQPISENT = Value; }
    void SetALIQCOFINSENT(double Value) noexcept { FALIQCOFINSENT = Value; }

    // Empties every text and zeroes every number except the two entry rates, which keep
    // their last value.
    void LimpaVariavel();
    // Empties PRODUTODETALHE and commits.
    void LimpaTabela();
    QString MontaSqlInsere() const;
    // The same INSERT as LiteralsToParameters reads MontaSqlInsere's text, without writing
    // it; nothing when that text has to run as written.
    std::optional<ParameterisedStatement> BoundInsert() const;
    // Every column but the product code, for the row of the current product code.
    QString MontaSqlAtualiza() const;
    // MontaSqlAtualiza with its values bound, as the server reads the text's literals; nothing
    // when that text has to run as written.
    std::optional<ParameterisedStatement> BoundAtualiza() const;
    // Insert or update, then reset; neither commits, and a server error leaves the record as
    // it was. An update of a product without a row changes nothing.
    bool ExecutaSql();
    bool AtualizaProdutoDetalhe();

private:
    mutable QString insertShape_; // of BoundInsert, the same for every record
    mutable QString updateShape_; // of BoundAtualiza, likewise
    QString FCODPROD;
    QString FCONTROLERECEITUARIO;
    QString FCODIGOATIVIDADE;
    QString FCODIGOLISTASERVICO;
    QString FESPELHOMERCSERV;
    QString FIMPORTADOPORTOSEGURO;
    qint32 FCODPROMOCAO = 0;
    double FALIQPIS = 0.0;
    QString FPIS_CST;
    QString FPISENT_CST;
    qint32 FPIS_ST = 0;
    double FALIQCOFINS = 0.0;
    QString FCOFINS_CST;
    QString FCOFINSENT_CST;
    qint32 FCOFINS_ST = 0;
    QString FCODCSOSN;
    double FPRECOMAXVENDA = 0.0;
    qint32 FPONTOBONUS = 0;
    double FALIQPISENT = 0.0;
    double FALIQCOFINSENT = 0.0;
};

} // namespace vorlanda
