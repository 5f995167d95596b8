#pragma once

#include <QString>

class QString;

namespace vorlanda {

class Gauge;
class Label;
class SourceConnection;
class SourceQuery;
class TargetDatabase;

// Converts the legacy NCM table (TB_CODIGO_NCM) into CLASFISC, one row per distinct NCM.
class TClassPreencheDadosClassificacaoFiscal {
public:
    // The SELECT that reads the legacy rows, every column the conversion takes.
    static QString LegacySelect();

    void PreencheConverteClassificacaoFiscal(SourceConnection& DbOrigem, TargetDatabase& DbDestino,
                                             Gauge& Barra, Label& lblInfo);

    // Whether CLASFISC already holds a row whose CODIGONCM equals the whole of CodigoNCM,
    // seen in the database's default transaction.
    bool ClassificacaoJaExiste(const QString& CodigoNCM, TargetDatabase& Banco) const;

private:
    SourceQuery& BuscaClassificacaoFiscalBDOrigem(SourceQuery& qryBusca) const;
};

} // namespace vorlanda
