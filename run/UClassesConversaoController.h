#pragma once

#include <QString>
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
    // (back to the last commit point), shown to the operator and answered with false. Before
    // anything is emptied, every ticked legacy table is read once with the columns its
    // conversion takes, so that a source that cannot be read fails the run untouched.
    bool FEfetuaConversao(const ParameterList& MParams, SourceConnection& BDOrigem,
                          TargetDatabase& BDDestino, TargetTransaction& Transacao, Gauge& Barra,
                          Label& lblInfo);

    // How many warnings the last run showed or counted; a run that converted everything with
    // warnings reports them instead of a plain success.
    int WarningCount() const noexcept { return warningCount_; }

private:
    // One step per table: create its importer, convert, release it.
    using Step = void (TClassesConversaoController::*)(SourceConnection& BDOrigem,
                                                       TargetDatabase& BDOrvalis, Gauge& Barra,
                                                       Label& lblInfo);
    struct KeyedStep {
        const char16_t* key;
        Step step;
        QString (*legacySelect)();
    };
    static const std::vector<KeyedStep>& Steps();
    static void ProbeSource(const ParameterList& MParams, SourceConnection& BDOrigem);

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

    int warningCount_ = 0;
};

} // namespace vorlanda
