#include "importers/UClassPreencheConverteGruposProdutos.h"

#include "db/SourceQuery.h"
#include "importers/ImportLoop.h"
#include "writers/GrupoProduto.h"

namespace vorlanda {

QString TClassPreencheDadosGruposProdutos::LegacySelect() {
    return QStringLiteral("SELECT CONTROLE, GRUPO FROM TBGRUPO ");
}

SourceQuery& TClassPreencheDadosGruposProdutos::BuscaGruposProdutosBDOrigem(SourceQuery& qryBusca) {
    qryBusca.ClearSQL();
    qryBusca.SetSQL(LegacySelect());
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
    ConvertEachRow(
        qryBusca, Barra, lblInfo, QStringLiteral("Convertendo Grupos de produtos - Registro "),
        u"TBGRUPO", u"CONTROLE",
        [&] {
            ConverteGruposProdutos.SetCodigo(
                qryBusca.FieldByName(QStringLiteral("CONTROLE")).AsString());
            ConverteGruposProdutos.SetDescricao(
                qryBusca.FieldByName(QStringLiteral("GRUPO")).AsString());
            ConverteGruposProdutos.ExecutaSql();
        },
        [&](const SourceQuery& row) {
            ConverteGruposProdutos.SetCodigo(
                row.FieldByName(QStringLiteral("CONTROLE")).AsString());
            return ConverteGruposProdutos.Codigo();
        });
}

} // namespace vorlanda
