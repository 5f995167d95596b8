#include "run/UClassesConversaoController.h"

#include "db/Error.h"
#include "db/SourceQuery.h"
#include "importers/UClassPreencheClassificacaoFiscal.h"
#include "importers/UClassPreencheConverteClientes.h"
#include "importers/UClassPreencheConverteFornecedores.h"
#include "importers/UClassPreencheConverteGruposProdutos.h"
#include "importers/UClassPreencheConverteProdutos.h"
#include "run/ParameterList.h"
#include "run/RunWarnings.h"
#include "ui/Interruption.h"
#include "ui/UserInterface.h"
#include "writers/classConversao.h"

namespace vorlanda {

const std::vector<TClassesConversaoController::KeyedStep>& TClassesConversaoController::Steps() {
    // The tables in run order, whatever the order of the boxes on the window; each table
    // joins as its importer is built.
    static const std::vector<KeyedStep> steps{
        {u"CLIENTES", &TClassesConversaoController::PConverteClientes,
         &TClassPreencheDadosClientes::LegacySelect},
        {u"FORNECEDORES", &TClassesConversaoController::PConverteFornecedores,
         &TClassPreencheDadosFornecedores::LegacySelect},
        {u"GRUPOSPRODUTOS", &TClassesConversaoController::PConverteGruposProdutos,
         &TClassPreencheDadosGruposProdutos::LegacySelect},
        {u"CLASSIFICACAOFISCAL", &TClassesConversaoController::PConverteClassificacaoFiscal,
         &TClassPreencheDadosClassificacaoFiscal::LegacySelect},
        {u"PRODUTOS", &TClassesConversaoController::PConverteProdutos,
         &TClassPreencheDadosProdutos::LegacySelect},
    };
    return steps;
}

void TClassesConversaoController::ProbeSource(const ParameterList& MParams,
                                              SourceConnection& BDOrigem) {
    for (const KeyedStep& step : Steps()) {
        if (MParams.Value(QString::fromUtf16(step.key)) != u"S")
            continue;
        SourceQuery probe;
        probe.SetSQLConnection(&BDOrigem);
        probe.SetSQL(step.legacySelect() + QStringLiteral(" LIMIT 0"));
        probe.Open();
    }
}

bool TClassesConversaoController::FEfetuaConversao(const ParameterList& MParams,
                                                   SourceConnection& BDOrigem,
                                                   TargetDatabase& BDDestino,
                                                   TargetTransaction& Transacao, Gauge& Barra,
                                                   Label& lblInfo) {
    bool result = false;
    const TConversao conversao(BDDestino);
    RunWarnings warnings;
    Barra.SetProgress(0);
    conversao.PIniciaTransacao(Transacao);
    try {
        ProbeSource(MParams, BDOrigem);
        for (const KeyedStep& step : Steps())
            if (MParams.Value(QString::fromUtf16(step.key)) == u"S")
                (this->*step.step)(BDOrigem, BDDestino, Barra, lblInfo);
        // An interruption that came after the last row still ends the run as one.
        EndIfInterrupted();
        conversao.PConfirmaTransacao(Transacao);
        // Warnings let the run carry on, but what they were about (a product without its
        // manufacturer) is missing from the target: such a run is never called a plain success.
        if (warnings.Count() == 0)
            warnings.Shown().ShowInformation(QStringLiteral("Conversão concluída com sucesso!"));
        else
            warnings.Shown().ShowWarning(QStringLiteral("Conversão concluída com avisos!\n") +
                                         warnings.Summary());
        result = true;
        Barra.SetProgress(0);
    } catch (const Error& error) {
        conversao.PCancelaTransacao(Transacao);
        warnings.Shown().ShowError(QStringLiteral("Ocorreu um erro durante a conversão! Motivo: ") +
                                   error.Message());
        Barra.SetProgress(0);
        Barra.SetMaxValue(0);
    }
    warningCount_ = warnings.Count();
    return result;
}

void TClassesConversaoController::PConverteClientes(SourceConnection& BDOrigem,
                                                    TargetDatabase& BDOrvalis, Gauge& Barra,
                                                    Label& lblInfo) {
    TClassPreencheDadosClientes importer;
    importer.PreencheConverteClientes(BDOrigem, BDOrvalis, Barra, lblInfo);
}

void TClassesConversaoController::PConverteFornecedores(SourceConnection& BDOrigem,
                                                        TargetDatabase& BDOrvalis, Gauge& Barra,
                                                        Label& lblInfo) {
    TClassPreencheDadosFornecedores importer;
    importer.PreencheConverteFornecedores(BDOrigem, BDOrvalis, Barra, lblInfo);
}

void TClassesConversaoController::PConverteGruposProdutos(SourceConnection& BDOrigem,
                                                          TargetDatabase& BDOrvalis, Gauge& Barra,
                                                          Label& lblInfo) {
    TClassPreencheDadosGruposProdutos importer;
    importer.PreencheConverteGruposProdutos(BDOrigem, BDOrvalis, Barra, lblInfo);
}

void TClassesConversaoController::PConverteClassificacaoFiscal(SourceConnection& BDOrigem,
                                                               TargetDatabase& BDOrvalis,
                                                               Gauge& Barra, Label& lblInfo) {
    TClassPreencheDadosClassificacaoFiscal importer;
    importer.PreencheConverteClassificacaoFiscal(BDOrigem, BDOrvalis, Barra, lblInfo);
}

void TClassesConversaoController::PConverteProdutos(SourceConnection& BDOrigem,
                                                    TargetDatabase& BDOrvalis, Gauge& Barra,
                                                    Label& lblInfo) {
    TClassPreencheDadosProdutos importer;
    importer.PreencheConverteProdutos(BDOrigem, BDOrvalis, Barra, lblInfo);
}

} // namespace vorlanda
