#include "writers/CompProd.h"

#include "writers/SqlText.h"
#include "writers/SqlValue.h"
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
    EmptyTable(QStringLiteral("Delete from COMPPROD"));
}

namespace {

const char16_t kInsertColumns[] =
    u" Insert Into compprod ( compprod.codprod, compprod.codempresa, compprod.codgrade, "
    u"compprod.estoque, compprod.estoqueDisponivel, compprod.estminimo, compprod.estmaximo, "
    u"compprod.precomedio, compprod.precocusto, compprod.preconf) Values (";

} // namespace

std::vector<SqlValue> TConverteCompProd::Values() const {
    return {SqlValue::Quoted(FCodProd),     SqlValue::Quoted(FCodEmpresa),
            SqlValue::Quoted(FCodGrade),    SqlValue::Number(FEstoque),
            SqlValue::Number(FEstoqueDisp), SqlValue::Number(FEstMinimo),
            SqlValue::Number(FEstMaximo),   SqlValue::Number(FPrecoMedio),
            SqlValue::Number(FPrecoCusto),  SqlValue::Number(FPrecoNF)};
}

QString TConverteCompProd::MontaSql() const {
    QStringList values;
    for (const SqlValue& value : Values())
        values.append(value.Rendered());
    return QString::fromUtf16(kInsertColumns) + u' ' + values.join(QStringLiteral(", ")) +
           QStringLiteral(") ");
}

std::optional<ParameterisedStatement> TConverteCompProd::BoundInsert() const {
    ParameterisedStatement bound;
    if (!AppendBound(bound.values, Values(),
                     [](const SqlValue& value) -> const SqlValue& { return value; }))
        return std::nullopt;
    if (insertShape_.isEmpty())
        insertShape_ = ParameterShape({kInsertColumns}, bound.values.size());
    bound.sql = insertShape_;
    return bound;
}

bool TConverteCompProd::ExecutaSql() {
    QDestino.ExecBound(BoundInsert(), [this] { return MontaSql(); });
    return true;
}

} // namespace vorlanda
