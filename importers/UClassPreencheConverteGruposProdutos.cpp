#include "importers/UClassPreencheConverteGruposProdutos.h"

#include "db/SourceQuery.h"
#include "ui/UserInterface.h"
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
    int vContaRegistro = 1;

    // The table is emptied (and committed) before the legacy rows are read.
    ConverteGruposProdutos.LimpaTabela();
    BuscaGruposProdutosBDOrigem(qryBusca);
    Barra.SetMaxValue(qryBusca.RecordCount());
    while (!qryBusca.Eof()) {
        lblInfo.SetCaption(QStringLiteral("Convertendo Grupos de produtos - Registro %1 de %2")
                               .arg(vContaRegistro)
                               .arg(Barra.MaxValue()));
        CurrentUserInterface().ProcessPendingEvents();
        ConverteGruposProdutos.SetCodigo(
            qryBusca.FieldByName(QStringLiteral("CONTROLE")).AsString());
        ConverteGruposProdutos.SetDescricao(
            qryBusca.FieldByName(QStringLiteral("GRUPO")).AsString());
        ConverteGruposProdutos.ExecutaSql();
        ++vContaRegistro;
        qryBusca.Next();
        Barra.SetProgress(Barra.Progress() + 1);
    }
    lblInfo.SetCaption(QString());
    Barra.SetProgress(0);
    Barra.SetMaxValue(0);
}

} // namespace vorlanda
