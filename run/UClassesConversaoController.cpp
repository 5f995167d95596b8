#include "run/UClassesConversaoController.h"

#include "db/Error.h"
#include "importers/UClassPreencheClassificacaoFiscal.h"
#include "importers/UClassPreencheConverteClientes.h"
#include "importers/UClassPreencheConverteFornecedores.h"
#include "importers/UClassPreencheConverteGruposProdutos.h"
#include "importers/UClassPreencheConverteProdutos.h"
#include "run/ParameterList.h"
#include "ui/UserInterface.h"
#include "writers/classConversao.h"

namespace vorlanda {

const std::vector<TClassesConversaoController::KeyedStep>& TClassesConversaoController::Steps() {
    // The tables in run order, whatever the order of the boxes on the window; each table
    // joins as its importer is built.
    static const std::vector<KeyedStep> steps{
        {u"CLIENTES", &TClassesConversaoController::PConverteClientes},
        {u"FORNECEDORES", &TClassesConversaoController::PConverteFornecedores},
        {u"GRUPOSPRODUTOS", &TClassesConversaoController::PConverteGruposProdutos},
        {u"CLASSIFICACAOFISCAL", &TClassesConversaoController::PConverteClassificacaoFiscal},
        {u"PRODUTOS", &TClassesConversaoController::PConverteProdutos},
    };
    return steps;
}

bool TClassesConversaoController::FEfetuaConversao(const ParameterList& MParams,
                                                   SourceConnection& BDOrigem,
                                                   TargetDatabase& BDDestino,
                                                   TargetTransaction& Transacao, Gauge& Barra,
                                                   Label& lblInfo) {
    bool result = false;
    const TConversao conversao(BDDestino);
    Barra.SetProgress(0);
    conversao.PIniciaTransacao(Transacao);
    try {
        for (const KeyedStep& step : Steps())
            if (MParams.Value(QString::fromUtf16(step.key)) == u"S")
                (this->*step.step)(BDOrigem, BDDestino, Barra, lblInfo);
        conversao.PConfirmaTransacao(Transacao);
        CurrentUserInterface().ShowInformation(QStringLiteral("Conversão concluída com sucesso!"));
        result = true;
        Barra.SetProgress(0);
    } catch (const Error& error) {
        conversao.PCancelaTransacao(Transacao);
        CurrentUserInterface().ShowError(
            QStringLiteral("Ocorreu um erro durante a conversão! Motivo: ") + error.Message());
        Barra.SetProgress(0);
        Barra.SetMaxValue(0);
    }
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
