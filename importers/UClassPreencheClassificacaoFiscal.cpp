#include "importers/UClassPreencheClassificacaoFiscal.h"

#include "db/SourceQuery.h"
#include "db/TargetQuery.h"
#include "importers/ImportLoop.h"
#include "writers/ClassificacaoFiscal.h"
#include "writers/ConversionTally.h"
#include "writers/ValueHelpers.h"

#include <QString>

namespace vorlanda {

QString TClassPreencheDadosClassificacaoFiscal::LegacySelect() {
    return QStringLiteral("SELECT CONTROLE, NCM FROM TB_CODIGO_NCM");
}

SourceQuery& TClassPreencheDadosClassificacaoFiscal::BuscaClassificacaoFiscalBDOrigem(
    SourceQuery& qryBusca) const {
    qryBusca.ClearSQL();
    qryBusca.SetSQL(LegacySelect());
    qryBusca.Open();
    return qryBusca;
}

bool TClassPreencheDadosClassificacaoFiscal::ClassificacaoJaExiste(const QString& CodigoNCM,
                                                                   TargetDatabase& Banco) const {
    TargetQuery query(Banco);
    // Compared with the VARCHAR(8) column alone, the parameter would be described as eight
    // characters and a longer NCM would fail with "string right truncation" instead of simply
    // not being found. The cast describes it as wide as a key of the NCM index may be.
    query.SetSQL(QStringLiteral(
        "SELECT * FROM CLASFISC WHERE CODIGONCM = CAST(:CODIGONCM AS VARCHAR(1000))"));
    query.ParamByName(QStringLiteral("CODIGONCM")).SetAsString(CodigoNCM);
    query.Open();
    return !query.IsEmpty();
}

void TClassPreencheDadosClassificacaoFiscal::PreencheConverteClassificacaoFiscal(
    SourceConnection& DbOrigem, TargetDatabase& DbDestino, Gauge& Barra, Label& lblInfo) {
    TConverteClassificacaoFiscal ConverteClassificacaoFiscal(DbDestino);
    SourceQuery qryBusca;
    qryBusca.SetSQLConnection(&DbOrigem);

    // The table is emptied (and committed) before the legacy rows are read.
    ConverteClassificacaoFiscal.LimpaTabela();
    BuscaClassificacaoFiscalBDOrigem(qryBusca);
    const auto ncm = [&qryBusca] {
        return FRemoveCaracter(qryBusca.FieldByName(QStringLiteral("NCM")).AsString());
    };
    ConvertEachRow(
        qryBusca, Barra, lblInfo, QStringLiteral("Convertendo Classificacao Fiscal - Registro "),
        u"TB_CODIGO_NCM", u"CONTROLE", [&] {
            // The whole cleaned NCM is looked for, while CODIGONCM keeps only eight
            // characters: longer NCMs are never found, so each of their rows is written.
            if (ClassificacaoJaExiste(ncm(), DbDestino)) {
                NoteRowSkipped(QStringLiteral("classificação já existente"));
                return;
            }
            ConverteClassificacaoFiscal.SetCodClasFis(
                qryBusca.FieldByName(QStringLiteral("CONTROLE")).AsString());
            ConverteClassificacaoFiscal.SetCodNBM(ncm());
            ConverteClassificacaoFiscal.SetCodigoNCM(ConverteClassificacaoFiscal.CodNBM());
            ConverteClassificacaoFiscal.GravaClassificacaoFiscal(DbDestino);
        });
}

} // namespace vorlanda
