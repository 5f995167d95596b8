#pragma once

#include <QString>

namespace vorlanda {

class Gauge;
class Label;
class SourceConnection;
class SourceQuery;
class TargetDatabase;

// Converts the legacy product groups (TBGRUPO) into GRUPROD.
class TClassPreencheDadosGruposProdutos {
public:
    // The SELECT that reads the legacy rows, every column the conversion takes.
    static QString LegacySelect();

    void PreencheConverteGruposProdutos(SourceConnection& DbOrigem, TargetDatabase& DbDestino,
                                        Gauge& Barra, Label& lblInfo);

private:
    SourceQuery& BuscaGruposProdutosBDOrigem(SourceQuery& qryBusca);
};

} // namespace vorlanda
