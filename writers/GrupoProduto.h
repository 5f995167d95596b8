#pragma once

#include "writers/classConversao.h"

namespace vorlanda {

// One product group of GRUPROD: reset, assign through the setters, write.
class TConverteGruposProd : public TConversao {
public:
    explicit TConverteGruposProd(TargetDatabase& cBanco);

    const QString& Codigo() const noexcept { return FCodigo; }
    const QString& Descricao() const noexcept { return FDescricao; }
    int DiasEstoqueMaximo() const noexcept { return FDiasEstoqueMaximo; }
    int DiasEstoqueMinimo() const noexcept { return FDiasEstoqueMinimo; }

    // The last three characters, zero-padded to three; not trimmed.
    void SetCodigo(const QString& Value);
    // Trimmed, first 30 characters, case kept.
    void SetDescricao(const QString& Value);
    void SetDiasEstoqueMaximo(int Value) noexcept { FDiasEstoqueMaximo = Value; }
    void SetDiasEstoqueMinimo(int Value) noexcept { FDiasEstoqueMinimo = Value; }

    void LimpaVariavel();
    // Empties GRUPROD and commits.
    void LimpaTabela();
    // Inserts the record, then resets it; a server error leaves the record as it was.
    bool ExecutaSql();

private:
    QString FCodigo;
    QString FDescricao;
    int FDiasEstoqueMaximo = 0;
    int FDiasEstoqueMinimo = 0;
};

} // namespace vorlanda
