#pragma once

#include <QString>

namespace vorlanda {

class Gauge;
class Label;
class SourceConnection;
class SourceQuery;
class TargetDatabase;

// Converts the legacy suppliers (TBFORNECEDOR) into FORNECE, creating the cities it lacks.
class TClassPreencheDadosFornecedores {
public:
    // The SELECT that reads the legacy rows, every column the conversion takes.
    static QString LegacySelect();

    void PreencheConverteFornecedores(SourceConnection& DbOrigem, TargetDatabase& DbDestino,
                                      Gauge& Barra, Label& lblInfo);

private:
    SourceQuery& BuscaFornecedoresBDOrigem(SourceQuery& qryBusca);
};

} // namespace vorlanda
