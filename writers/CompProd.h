#pragma once

#include "db/ParameterisedStatement.h"
#include "writers/SqlValue.h"
#include "writers/classConversao.h"

#include <optional>
#include <vector>

namespace vorlanda {

// One stock row of COMPPROD: a product's quantities and cost figures for one company and
// grade, written as one literal INSERT. The record is not reset between writes, so a value
// that is not assigned again is written again with the next row.
class TConverteCompProd : public TConversao {
public:
    explicit TConverteCompProd(TargetDatabase& cBanco);

    const QString& CodProd() const noexcept { return FCodProd; }
    const QString& CodEmpresa() const noexcept { return FCodEmpresa; }
    const QString& CodGrade() const noexcept { return FCodGrade; }
    double Estoque() const noexcept { return FEstoque; }
    double EstMaximo() const noexcept { return FEstMaximo; }
    double EstMinimo() const noexcept { return FEstMinimo; }
    double PrecoCusto() const noexcept { return FPrecoCusto; }
    double PrecoMedio() const noexcept { return FPrecoMedio; }
    double EstoquDisp() const noexcept { return FEstoqueDisp; }
    double PrecoNF() const noexcept { return FPrecoNF; }

    // Zero-padded to six characters; a longer code is kept whole.
    void SetCodProd(const QString& Value);
    void SetCodEmpresa(const QString& Value);
    void SetCodGrade(const QString& Value);
    void SetEstoque(double Value) noexcept { FEstoque = Value; }
    void SetEstMaximo(double Value) noexcept { FEstMaximo = Value; }
    void SetEstMinimo(double Value) noexcept { FEstMinimo = Value; }
    void SetPrecoCusto(double Value) noexcept { FPrecoCusto = Value; }
    void setPrecoMedio(double Value) noexcept { FPrecoMedio = Value; }
    void setEstoqueDisp(double Value) noexcept { FEstoqueDisp = Value; }
    void setPrecoNf(double Value) noexcept { FPrecoNF = Value; }

    // Product "000000", company "00", grade "0000", stock and cost 0; the stock limits, the
    // average cost, the available stock and the invoice price keep their values.
    void LimpaVariavel();
    // Empties COMPPROD and commits.
    void LimpaTabela();
    QString MontaSql() const;
    // The same INSERT as LiteralsToParameters reads MontaSql's text, without writing it;
    // nothing when that text has to run as written.
    std::optional<ParameterisedStatement> BoundInsert() const;
    // Inserts the record as it stands; neither resets it nor commits.
    bool ExecutaSql();

private:
    std::vector<SqlValue> Values() const; // in the INSERT's order
    QString FCodProd;
    QString FCodEmpresa;
    QString FCodGrade;
    double FEstoque = 0.0;
    double FEstMaximo = 0.0;
    double FEstMinimo = 0.0;
    double FPrecoCusto = 0.0;
    double FPrecoMedio = 0.0;
    double FEstoqueDisp = 0.0;
    double FPrecoNF = 0.0;
    // Of BoundInsert, the same for every record: kept, so that the connection finds its
    // prepared statement without reading the text again.
    mutable QString insertShape_;
};

} // namespace vorlanda
