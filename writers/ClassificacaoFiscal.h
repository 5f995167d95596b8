#pragma once

#include "writers/classConversao.h"

namespace vorlanda {

// One fiscal classification of CLASFISC. The codes are cut and cleaned as they are assigned;
// the record is written with a parameterised INSERT, so no text needs escaping. Only the
// constructor resets the record: a field not set again is written again with the next row.
class TConverteClassificacaoFiscal : public TConversao {
public:
    explicit TConverteClassificacaoFiscal(TargetDatabase& cBanco);

    const QString& CodClasFis() const noexcept { return MCodClasFis; }
    const QString& CodNBM() const noexcept { return MCodNBM; }
    const QString& PisConfRetido() const noexcept { return MPisConfRetido; }
    const QString& CodigoNCM() const noexcept { return MCodigoNCM; }
    const QString& CodNatReceita() const noexcept { return MCodNatReceita; }
    int AliqIpi() const noexcept { return MAliqIpi; }

    // The first four characters, zero-padded to four.
    void SetCodClasFis(const QString& Value);
    // The first 20 characters, then without punctuation.
    void SetCodNBM(const QString& Value);
    // The first character.
    void SetPisConfRetido(const QString& Value);
    // The first eight characters, then without punctuation: a dotted code keeps fewer digits.
    void SetCodigoNCM(const QString& Value);
    // The first three characters.
    void SetCodNatReceita(const QString& Value);
    void SetAliqIpi(int Value) noexcept { MAliqIpi = Value; }

    // Empties the five texts and sets the IPI rate to 0.
    void PLimpaDados();
    // Empties CLASFISC and commits.
    void LimpaTabela();
    // Inserts the record through a query of its own on cBanco; neither resets nor commits.
    void GravaClassificacaoFiscal(TargetDatabase& cBanco) const;

private:
    QString MCodClasFis;
    QString MCodNBM;
    QString MPisConfRetido;
    QString MCodigoNCM;
    QString MCodNatReceita;
    int MAliqIpi = 0;
};

} // namespace vorlanda
