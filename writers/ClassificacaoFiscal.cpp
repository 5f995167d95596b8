#include "writers/ClassificacaoFiscal.h"

#include "writers/ConversionTally.h"
#include "writers/TextRules.h"
#include "writers/ValueHelpers.h"

namespace vorlanda {

TConverteClassificacaoFiscal::TConverteClassificacaoFiscal(TargetDatabase& cBanco)
    : TConversao(cBanco) {
    PLimpaDados();
}

void TConverteClassificacaoFiscal::SetCodClasFis(const QString& Value) {
    const FilledColumn filled(u"CLASFISC.CODCLASFIS");
    MCodClasFis = StrZero(Left(Value, 4), 4);
}

void TConverteClassificacaoFiscal::SetCodNBM(const QString& Value) {
    const FilledColumn filled(u"CLASFISC.CODNBM");
    MCodNBM = FRemoveCaracter(Left(Value, 20));
}

void TConverteClassificacaoFiscal::SetPisConfRetido(const QString& Value) {
    const FilledColumn filled(u"CLASFISC.PISCONFRETIDO");
    MPisConfRetido = Left(Value, 1);
}

void TConverteClassificacaoFiscal::SetCodigoNCM(const QString& Value) {
    const FilledColumn filled(u"CLASFISC.CODIGONCM");
    // Cut before cleaning: "3004.90.99" keeps "3004.90." and so only six digits.
    MCodigoNCM = FRemoveCaracter(Left(Value, 8));
}

void TConverteClassificacaoFiscal::SetCodNatReceita(const QString& Value) {
    const FilledColumn filled(u"CLASFISC.CODNATRECEITA");
    MCodNatReceita = Left(Value, 3);
}

void TConverteClassificacaoFiscal::PLimpaDados() {
    MCodClasFis.clear();
    MCodNBM.clear();
    MPisConfRetido.clear();
    MCodigoNCM.clear();
    MCodNatReceita.clear();
    MAliqIpi = 0;
}

void TConverteClassificacaoFiscal::LimpaTabela() {
    EmptyTable(QStringLiteral("DELETE FROM CLASFISC"), QStringLiteral("COMMIT"));
}

void TConverteClassificacaoFiscal::GravaClassificacaoFiscal(TargetDatabase& cBanco) const {
    TargetQuery query(cBanco);
    query.SetSQL(QStringLiteral(
        "INSERT INTO CLASFISC ( CODCLASFIS, CODNBM, PISCONFRETIDO, CODIGONCM, CODNATRECEITA, "
        "ALIQIPI ) VALUES (:CODCLASFIS, :CODNBM, :PISCONFRETIDO, :CODIGONCM, :CODNATRECEITA, "
        ":ALIQIPI ) "));
    query.ParamByName(QStringLiteral("CODCLASFIS")).SetAsString(MCodClasFis);
    query.ParamByName(QStringLiteral("CODNBM")).SetAsString(MCodNBM);
    query.ParamByName(QStringLiteral("PISCONFRETIDO")).SetAsString(MPisConfRetido);
    query.ParamByName(QStringLiteral("CODIGONCM")).SetAsString(MCodigoNCM);
    query.ParamByName(QStringLiteral("CODNATRECEITA")).SetAsString(MCodNatReceita);
    query.ParamByName(QStringLiteral("ALIQIPI")).SetAsInteger(MAliqIpi);
    query.ExecSQL();
}

} // namespace vorlanda
