#include "writers/GrupoProduto.h"

#include "writers/ConversionTally.h"
#include "writers/TextRules.h"
#include "writers/ValueHelpers.h"

namespace vorlanda {

TConverteGruposProd::TConverteGruposProd(TargetDatabase& cBanco) : TConversao(cBanco) {
    LimpaVariavel();
}

void TConverteGruposProd::SetCodigo(const QString& Value) {
    const FilledColumn filled(u"GRUPROD.CODGRUPO");
    FCodigo = StrZero(Right(Value, 3), 3);
}

void TConverteGruposProd::SetDescricao(const QString& Value) {
    const FilledColumn filled(u"GRUPROD.DESCRICAO");
    FDescricao = Left(Trim(Value), 30);
}

void TConverteGruposProd::LimpaVariavel() {
    FCodigo.clear();
    FDescricao.clear();
    FDiasEstoqueMaximo = 0;
    FDiasEstoqueMinimo = 0;
}

void TConverteGruposProd::LimpaTabela() {
    EmptyTable(QStringLiteral("Delete From GRUPROD"));
}

bool TConverteGruposProd::ExecutaSql() {
    QDestino.SetSQL(QStringLiteral("INSERT INTO GRUPROD ( CODGRUPO, DESCRICAO, DIASESTMAXIMO, "
                                   "DIASESTMINIMO) VALUES (:pCODGRUPO, :pDESCRICAO, "
                                   ":pDIASESTMAXIMO, :pDIASESTMINIMO) "));
    QDestino.ParamByName(QStringLiteral("pCODGRUPO")).SetAsString(FCodigo);
    QDestino.ParamByName(QStringLiteral("pDESCRICAO")).SetAsString(FDescricao);
    QDestino.ParamByName(QStringLiteral("pDIASESTMAXIMO")).SetAsInteger(FDiasEstoqueMaximo);
    QDestino.ParamByName(QStringLiteral("pDIASESTMINIMO")).SetAsInteger(FDiasEstoqueMinimo);
    QDestino.ExecSQL();
    LimpaVariavel();
    return true;
}

} // namespace vorlanda
