#pragma once

#include <QString>

namespace vorlanda {

class Gauge;
class Label;
class SourceConnection;
class SourceQuery;
class TargetDatabase;

// Converts the legacy clients (TBCLIENTES) into CLIENTE, creating the cities it lacks.
class TClassPreencheDadosClientes {
public:
    // The SELECT that reads the legacy rows, every column the conversion takes.
    static QString LegacySelect();

    void PreencheConverteClientes(SourceConnection& DbOrigem, TargetDatabase& DbDestino,
                                  Gauge& Barra, Label& lblInfo);

private:
    SourceQuery& BuscaClientesBDOrigem(SourceConnection& DBOrigem, SourceQuery& qryBusca);
};

} // namespace vorlanda
