#include "importers/UClassPreencheConverteGruposProdutos.h"

#include "db/SourceQuery.h"
#include "importers/ImportLoop.h"
#include "writers/GrupoProduto.h"

namespace vorlanda {

SourceQuery& TClassPreencheDadosGruposProdutos::BuscaGruposProdutosBDOrigem(SourceQuery& qryBusca) {
    qryBusca.ClearSQL();
    qryBusca.SetSQL(QStringLiteral("SELECT CONTROLE, GRUPO FROM TBGRUPO "));
    qryBusca.Open();
    return qryBusca;
}

void TClassPreencheDadosGruposProdutos::PreencheConverteGruposProdutos(SourceConnection& DbOrigem,
                                                                       TargetDatabase& DbDestino,
                                                                       Gauge& Barra,
                                                                       Label& lblInfo) {
    TConverteGruposProd ConverteGruposProdutos(DbDestino);
    SourceQuery qryBusca;
    qryBusca.SetSQLConnection(&DbOrigem);

    // The table is emptied (and committed) before the legacy rows are read.
    ConverteGruposProdutos.LimpaTabela();
    BuscaGruposProdutosBDOrigem(qryBusca);
    ConvertEachRow(qryBusca, Barra, lblInfo,
                   QStringLiteral("Convertendo Grupos de produtos - Registro "), [&] {
                       ConverteGruposProdutos.SetCodigo(
                           qryBusca.FieldByName(QStringLiteral("CONTROLE")).AsString());
                       ConverteGruposProdutos.SetDescricao(
                           qryBusca.FieldByName(QStringLiteral("GRUPO")).AsString());
                       ConverteGruposProdutos.ExecutaSql();
                   });
}

} // namespace vorlanda
