#pragma once

#include <QString>

namespace vorlanda {

class Gauge;
class Label;
class SourceConnection;
class SourceQuery;
class TargetDatabase;

// Converts the legacy stock table (TBESTOQUE) into PRODUTO, COMPPROD and PRODUTODETALHE, one
// row of each per legacy product, creating the manufacturers and fiscal classifications the
// target lacks. Rows without a product code are skipped.
class TClassPreencheDadosProdutos {
public:
    // The SELECT that reads the legacy rows, every column the conversion takes.
    static QString LegacySelect();

    void PreencheConverteProdutos(SourceConnection& DbOrigem, TargetDatabase& DbDestino,
                                  Gauge& Barra, Label& lblInfo);

private:
    SourceQuery& BuscaProdutosBDOrigem(SourceQuery& qryBusca);
};

} // namespace vorlanda
