#pragma once

namespace vorlanda {

class Gauge;
class Label;
class SourceConnection;
class SourceQuery;
class TargetDatabase;

// Converts the legacy product groups (TBGRUPO) into GRUPROD.
class TClassPreencheDadosGruposProdutos {
public:
    void PreencheConverteGruposProdutos(SourceConnection& DbOrigem, TargetDatabase& DbDestino,
                                        Gauge& Barra, Label& lblInfo);

private:
    SourceQuery& BuscaGruposProdutosBDOrigem(SourceQuery& qryBusca);
};

} // namespace vorlanda
