#include "writers/CompProd.h"

#include "writers/SqlText.h"
#include "writers/ValueHelpers.h"

#include <QStringList>

namespace vorlanda {

TConverteCompProd::TConverteCompProd(TargetDatabase& cBanco) : TConversao(cBanco) {
    LimpaVariavel();
}

void TConverteCompProd::SetCodProd(const QString& Value) {
    FCodProd = StrZero(Value, 6);
}

void TConverteCompProd::SetCodEmpresa(const QString& Value) {
    FCodEmpresa = Value;
}

void TConverteCompProd::SetCodGrade(const QString& Value) {
    FCodGrade = Value;
}

void TConverteCompProd::LimpaVariavel() {
    SetCodProd(QString());
    SetCodEmpresa(QStringLiteral("00"));
    SetCodGrade(QStringLiteral("0000"));
    SetEstoque(0);
    SetPrecoCusto(0);
}

void TConverteCompProd::LimpaTabela() {
    QAuxiliar.Close();
    QAuxiliar.SetSQL(QStringLiteral("Delete from COMPPROD"));
    QAuxiliar.ExecSQL();
    QAuxiliar.Close();
    QAuxiliar.SetSQL(QStringLiteral("Commit;"));
    QAuxiliar.ExecSQL();
}

QString TConverteCompProd::MontaSql() const {
    const QStringList values{SqlQuoted(FCodProd),   SqlQuoted(FCodEmpresa),  SqlQuoted(FCodGrade),
                             SqlNumber(FEstoque),   SqlNumber(FEstoqueDisp), SqlNumber(FEstMinimo),
                             SqlNumber(FEstMaximo), SqlNumber(FPrecoMedio),  SqlNumber(FPrecoCusto),
                             SqlNumber(FPrecoNF)};
    return QStringLiteral(" Insert Into compprod ( compprod.codprod, compprod.codempresa, "
                          "compprod.codgrade, compprod.estoque, compprod.estoqueDisponivel, "
                          "compprod.estminimo, compprod.estmaximo, compprod.precomedio, "
                          "compprod.precocusto, compprod.preconf) Values ( ") +
           values.join(QStringLiteral(", ")) + QStringLiteral(") ");
}

bool TConverteCompProd::ExecutaSql() {
    QDestino.SetSQL(MontaSql());
    QDestino.ExecSQL();
    return true;
}

} // namespace vorlanda
