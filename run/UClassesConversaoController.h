#pragma once

#include "run/RunReport.h"

#include <QString>
#include <vector>

namespace vorlanda {

class Gauge;
class Label;
class ParameterList;
class RunWarnings;
struct RunTable;
class SourceConnection;
class TargetDatabase;
class TargetTransaction;

// Runs one conversion: the ticked tables in their fixed order inside the target
// transaction, then one message for the operator.
class TClassesConversaoController {
public:
    // True when every ticked table was converted and committed. A failure is rolled back
    // (back to the last commit point), shown to the operator with what became of each ticked
    // table, and answered with false. Before anything is emptied, every ticked legacy table is
    // read once with the columns its conversion takes, so that a source that cannot be read
    // fails the run untouched.
    bool FEfetuaConversao(const ParameterList& MParams, SourceConnection& BDOrigem,
                          TargetDatabase& BDDestino, TargetTransaction& Transacao, Gauge& Barra,
                          Label& lblInfo);

    // Rehearses the run of the ticked tables: every legacy row goes through the same importers
    // and writers into the target, in one transaction that is rolled back at the end, so the
    // target keeps every row it had. A row that fails is taken back and noted with its legacy
    // key, and the rows after it are checked too. True when no row and no step would fail; the
    // report (`Report()`) lists what would, and is written when a report file is set. Nothing is
    // shown to the operator but the progress.
    bool FVerificaConversao(const ParameterList& MParams, SourceConnection& BDOrigem,
                            TargetDatabase& BDDestino, TargetTransaction& Transacao, Gauge& Barra,
                            Label& lblInfo);
    // What the last run's final message carries beneath it: its summary and where its report
    // went, or why it was not written; empty when no report file is set.
    QString OutcomeDetails() const;

    // Before the first table is emptied, when a table the run empties holds rows, a backup of
    // the target is written to this file (none when the file is empty), and every final message
    // names it. A backup that fails ends the run before anything is emptied.
    void SetBackupFile(const QString& file) { backupFile_ = file; }
    // The backup the last run made; empty when it made none.
    const QString& BackupMade() const noexcept { return backupMade_; }

    // Each run writes its report to this file (none when the file is empty), and its final
    // message carries a line per table and the report's path as details.
    void SetReportFile(const QString& file) { reportFile_ = file; }
    // The account of the last run.
    const RunReport& Report() const noexcept { return report_; }

    // How many warnings the last run showed or counted; a run that converted everything with
    // warnings reports them instead of a plain success.
    int WarningCount() const noexcept { return warningCount_; }

private:
    // One step per table: create its importer, convert, release it.
    using Step = void (TClassesConversaoController::*)(SourceConnection& BDOrigem,
                                                       TargetDatabase& BDOrvalis, Gauge& Barra,
                                                       Label& lblInfo);
    struct KeyedStep {
        const RunTable& table;
        Step step;
        QString (*legacySelect)();
    };
    static const std::vector<KeyedStep>& Steps();
    static std::vector<const KeyedStep*> Ticked(const ParameterList& MParams);
    static void ProbeSource(const std::vector<const KeyedStep*>& ticked,
                            SourceConnection& BDOrigem);
    // The final message's last line naming the backup, when one was made.
    QString BackupLine() const;
    void MakeBackup(const std::vector<const KeyedStep*>& ticked, TargetDatabase& BDDestino,
                    Label& lblInfo);
    // A fresh report of a run of the ticked tables, none of them run yet.
    void StartReport(const std::vector<const KeyedStep*>& ticked, const SourceConnection& BDOrigem,
                     const TargetDatabase& BDDestino);
    // Runs one table's step, noting what it did into its report.
    void RunStep(std::size_t index, const KeyedStep& step, SourceConnection& BDOrigem,
                 TargetDatabase& BDDestino, Gauge& Barra, Label& lblInfo);
    // A line per ticked table: converted, stopped in the middle or untouched, with the rows
    // its target table holds after the rollback.
    QString TableStates() const;
    // Ends the report, with the run's warnings, and writes it when a file is set.
    void FinishReport(const RunWarnings& warnings);

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

    QString backupFile_;
    QString backupMade_;
    QString reportFile_;
    QString reportOutcome_;
    RunReport report_;
    int warningCount_ = 0;
};

} // namespace vorlanda
