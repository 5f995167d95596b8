#pragma once

#include <vector>

namespace vorlanda {

class Gauge;
class Label;
class ParameterList;
class SourceConnection;
class TargetDatabase;
class TargetTransaction;

// Runs one conversion: the ticked tables in their fixed order inside the target
// transaction, then one message for the operator.
class TClassesConversaoController {
public:
    // True when every ticked table was converted and committed. A failure is rolled back
    // (back to the last commit point), shown to the operator and answered with false.
    bool FEfetuaConversao(const ParameterList& MParams, SourceConnection& BDOrigem,
                          TargetDatabase& BDDestino, TargetTransaction& Transacao, Gauge& Barra,
                          Label& lblInfo);

private:
    // One step per table: create its importer, convert, release it.
    using Step = void (TClassesConversaoController::*)(SourceConnection& BDOrigem,
                                                       TargetDatabase& BDOrvalis, Gauge& Barra,
                                                       Label& lblInfo);
    struct KeyedStep {
        const char16_t* key;
        Step step;
    };
    static const std::vector<KeyedStep>& Steps();

    void PConverteClientes(SourceConnection& BDOrigem, TargetDatabase& BDOrvalis, Gauge& Barra,
                           Label& lblInfo);
    void PConverteFornecedores(SourceConnection& BDOrigem, TargetDatabase& BDOrvalis, Gauge& Barra,
                               Label& lblInfo);
    void PConverteGruposProdutos(SourceConnection& BDOrigem, TargetDatabase& BDOrvalis,
                                 Gauge& Barra, Label& lblInfo);
    void PConverteClassificacaoFiscal(SourceConnection& BDOrigem, TargetDatabase& BDOrvalis,
                                      Gauge& Barra, Label& lblInfo);
    void PConverteProdutos(SourceConnection& BDOrigem, TargetDatabase& BDOrvalis, Gauge& Barra,
                           Label& lblInfo);
};

} // namespace vorlanda
