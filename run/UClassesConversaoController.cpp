#include "run/UClassesConversaoController.h"

#include "db/Error.h"
#include "db/SourceQuery.h"
#include "db/TargetBackup.h"
#include "db/TargetQuery.h"
#include "importers/RowCheck.h"
#include "importers/UClassPreencheClassificacaoFiscal.h"
#include "importers/UClassPreencheConverteClientes.h"
#include "importers/UClassPreencheConverteFornecedores.h"
#include "importers/UClassPreencheConverteGruposProdutos.h"
#include "importers/UClassPreencheConverteProdutos.h"
#include "run/ParameterList.h"
#include "run/RunBackup.h"
#include "run/RunTables.h"
#include "run/RunWarnings.h"
#include "ui/Interruption.h"
#include "ui/UserInterface.h"
#include "writers/ConversionTally.h"
#include "writers/classConversao.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QScopeGuard>

namespace vorlanda {

const std::vector<TClassesConversaoController::KeyedStep>& TClassesConversaoController::Steps() {
    // The tables in run order, whatever the order of the boxes on the window; each table
    // joins as its importer is built.
    const auto& tables = RunTables();
    static const std::vector<KeyedStep> steps{
        {tables[0], &TClassesConversaoController::PConverteClientes,
         &TClassPreencheDadosClientes::LegacySelect},
        {tables[1], &TClassesConversaoController::PConverteFornecedores,
         &TClassPreencheDadosFornecedores::LegacySelect},
        {tables[2], &TClassesConversaoController::PConverteGruposProdutos,
         &TClassPreencheDadosGruposProdutos::LegacySelect},
        {tables[3], &TClassesConversaoController::PConverteClassificacaoFiscal,
         &TClassPreencheDadosClassificacaoFiscal::LegacySelect},
        {tables[4], &TClassesConversaoController::PConverteProdutos,
         &TClassPreencheDadosProdutos::LegacySelect},
    };
    return steps;
}

std::vector<const TClassesConversaoController::KeyedStep*>
TClassesConversaoController::Ticked(const ParameterList& MParams) {
    std::vector<const KeyedStep*> ticked;
    for (const KeyedStep& step : Steps())
        if (MParams.Value(QString::fromUtf16(step.table.key)) == u"S")
            ticked.push_back(&step);
    return ticked;
}

void TClassesConversaoController::ProbeSource(const std::vector<const KeyedStep*>& ticked,
                                              SourceConnection& BDOrigem) {
    for (const KeyedStep* step : ticked) {
        SourceQuery probe;
        probe.SetSQLConnection(&BDOrigem);
        probe.SetSQL(step->legacySelect() + QStringLiteral(" LIMIT 0"));
        probe.Open();
    }
}

QString TClassesConversaoController::BackupLine() const {
    if (backupMade_.isEmpty())
        return {};
    return QStringLiteral("\nCópia de segurança: ") + backupMade_;
}

void TClassesConversaoController::MakeBackup(const std::vector<const KeyedStep*>& ticked,
                                             TargetDatabase& BDDestino, Label& lblInfo) {
    if (backupFile_.isEmpty())
        return;
    std::vector<const RunTable*> tables;
    for (const KeyedStep* step : ticked)
        tables.push_back(&step->table);
    if (RowsToEmpty(tables, BDDestino).empty())
        return;
    lblInfo.SetCaption(QStringLiteral("Fazendo cópia de segurança em %1...").arg(backupFile_));
    try {
        BackUpTarget(BDDestino, backupFile_);
    } catch (const Error& error) {
        throw Error(QStringLiteral("A cópia de segurança não foi feita e nada foi apagado: ") +
                    error.Message());
    }
    backupMade_ = backupFile_;
}

void TClassesConversaoController::StartReport(const std::vector<const KeyedStep*>& ticked,
                                              const SourceConnection& BDOrigem,
                                              const TargetDatabase& BDDestino) {
    report_ = RunReport{};
    report_.start = QDateTime::currentDateTime();
    report_.target = BDDestino.DatabaseName();
    report_.source = BDOrigem.Parameters();
    for (const KeyedStep* step : ticked) {
        TableReport table;
        table.name = QString::fromUtf16(step->table.name);
        table.legacyTable = QString::fromUtf16(step->table.legacyTable);
        table.legacyKey = QString::fromUtf16(step->table.legacyKey);
        table.targetTable = QString::fromUtf16(step->table.targetTable);
        report_.tables.push_back(std::move(table));
    }
}

namespace {

void CountWritten(TableReport& report, const RunTable& table, TargetDatabase& BDDestino) {
    report.written.clear();
    for (const QString& name : QString::fromUtf16(table.emptiedTables).split(u',')) {
        try {
            report.written.emplace_back(name, RowsIn(BDDestino, name));
        } catch (const Error&) {
            // A target that cannot be read now still gets the rest of the account.
        }
    }
}

} // namespace

void TClassesConversaoController::RunStep(std::size_t index, const KeyedStep& step,
                                          SourceConnection& BDOrigem, TargetDatabase& BDDestino,
                                          Gauge& Barra, Label& lblInfo) {
    TableReport& table = report_.tables[index];
    // Until the step ends well, whatever ends it.
    table.status = TableReport::Status::Failed;
    QElapsedTimer clock;
    clock.start();
    try {
        const TallyScope tallied(&table.tally);
        (this->*step.step)(BDOrigem, BDDestino, Barra, lblInfo);
    } catch (...) {
        table.seconds = static_cast<double>(clock.elapsed()) / 1000;
        throw;
    }
    table.seconds = static_cast<double>(clock.elapsed()) / 1000;
    CountWritten(table, step.table, BDDestino);
    table.status = TableReport::Status::Ok;
}

QString TClassesConversaoController::TableStates() const {
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QString states;
    for (const TableReport& table : report_.tables) {
        if (table.status == TableReport::Status::NotRun) {
            states += QStringLiteral("\n%1: não tocada").arg(table.name);
            continue;
        }
        QString rows;
        for (const auto& [name, count] : table.written)
            if (name == table.targetTable)
                rows = QStringLiteral(", %1 registros em %2").arg(brasil.toString(count), name);
        states += QStringLiteral("\n%1: %2%3")
                      .arg(table.name,
                           table.status == TableReport::Status::Ok ? QStringLiteral("convertida")
                                                                   : QStringLiteral("interrompida"),
                           rows);
    }
    return states;
}

void TClassesConversaoController::FinishReport(const RunWarnings& warnings) {
    report_.end = QDateTime::currentDateTime();
    report_.backup = backupMade_;
    if (warnings.Count() > 0)
        report_.warnings = warnings.Summary();
    reportOutcome_.clear();
    if (reportFile_.isEmpty())
        return;
    try {
        WriteReport(report_, reportFile_);
        reportOutcome_ = QStringLiteral("Relatório: ") + reportFile_;
    } catch (const Error& error) {
        reportOutcome_ = error.Message();
    }
}

QString TClassesConversaoController::OutcomeDetails() const {
    if (reportFile_.isEmpty())
        return {};
    const QString summary = ReportSummary(report_);
    return summary.isEmpty() ? reportOutcome_ : summary + u'\n' + reportOutcome_;
}

bool TClassesConversaoController::FVerificaConversao(const ParameterList& MParams,
                                                     SourceConnection& BDOrigem,
                                                     TargetDatabase& BDDestino,
                                                     TargetTransaction& Transacao, Gauge& Barra,
                                                     Label& lblInfo) {
    const TConversao conversao(BDDestino);
    // What a lookup warns of is counted, not shown: the check lists it at its end.
    RunWarnings warnings(RunWarnings::Showing::Never);
    const std::vector<const KeyedStep*> ticked = Ticked(MParams);
    Barra.SetProgress(0);
    backupMade_.clear();
    // The transaction "Abrir" left going is ended as a run ends it; the check's own starts with
    // its first statement.
    conversao.PConfirmaTransacao(Transacao);
    StartReport(ticked, BDOrigem, BDDestino);
    report_.check = true;
    Transacao.SetRehearsal(true);
    const auto rehearsed = qScopeGuard([&Transacao] { Transacao.SetRehearsal(false); });
    try {
        const RowCheck check(Transacao);
        ProbeSource(ticked, BDOrigem);
        for (std::size_t i = 0; i < ticked.size(); ++i) {
            EndIfInterrupted();
            warnings.Shown().TableStarted(static_cast<int>(i) + 1, static_cast<int>(ticked.size()),
                                          QString::fromUtf16(ticked[i]->table.name));
            TableReport& table = report_.tables[i];
            try {
                RunStep(i, *ticked[i], BDOrigem, BDDestino, Barra, lblInfo);
            } catch (const Error& error) {
                if (InterruptionRequested())
                    throw;
                // A step that fails outside its rows (the emptying, the legacy read) would end
                // the run there; the next tables are still checked.
                table.tally.NoteProblem({QString(), {}, ProblemReason(error), error.Message()});
                CountWritten(table, ticked[i]->table, BDDestino);
            }
            table.status = table.tally.Problems().empty() ? TableReport::Status::Ok
                                                          : TableReport::Status::WouldFail;
        }
        EndIfInterrupted();
    } catch (const Error& error) {
        report_.error = InterruptionRequested() ? InterruptionReason() : error.Message();
    }
    // Whatever the check wrote is taken back, the commits it passed included.
    conversao.PCancelaTransacao(Transacao);
    FinishReport(warnings);
    Barra.SetProgress(0);
    Barra.SetMaxValue(0);
    warningCount_ = warnings.Count();
    return report_.error.isEmpty() && ProblemCount(report_) == 0;
}

bool TClassesConversaoController::FEfetuaConversao(const ParameterList& MParams,
                                                   SourceConnection& BDOrigem,
                                                   TargetDatabase& BDDestino,
                                                   TargetTransaction& Transacao, Gauge& Barra,
                                                   Label& lblInfo) {
    bool result = false;
    const TConversao conversao(BDDestino);
    RunWarnings warnings;
    const std::vector<const KeyedStep*> ticked = Ticked(MParams);
    Barra.SetProgress(0);
    conversao.PIniciaTransacao(Transacao);
    backupMade_.clear();
    StartReport(ticked, BDOrigem, BDDestino);
    try {
        ProbeSource(ticked, BDOrigem);
        MakeBackup(ticked, BDDestino, lblInfo);
        for (std::size_t i = 0; i < ticked.size(); ++i) {
            // An interruption asked for between tables leaves the next one untouched.
            EndIfInterrupted();
            warnings.Shown().TableStarted(static_cast<int>(i) + 1, static_cast<int>(ticked.size()),
                                          QString::fromUtf16(ticked[i]->table.name));
            RunStep(i, *ticked[i], BDOrigem, BDDestino, Barra, lblInfo);
        }
        // An interruption that came after the last row still ends the run as one.
        EndIfInterrupted();
        conversao.PConfirmaTransacao(Transacao);
        FinishReport(warnings);
        const QString details = OutcomeDetails();
        // Warnings let the run carry on, but what they were about (a product without its
        // manufacturer) is missing from the target: such a run is never called a plain success.
        if (warnings.Count() == 0)
            warnings.Shown().ShowOutcome(
                MessageKind::Information,
                QStringLiteral("Conversão concluída com sucesso!") + BackupLine(), details);
        else
            warnings.Shown().ShowOutcome(MessageKind::Warning,
                                         QStringLiteral("Conversão concluída com avisos!\n") +
                                             warnings.Summary() + BackupLine(),
                                         details);
        result = true;
        Barra.SetProgress(0);
    } catch (const Error& error) {
        conversao.PCancelaTransacao(Transacao);
        for (std::size_t i = 0; i < ticked.size(); ++i)
            if (report_.tables[i].status != TableReport::Status::NotRun)
                CountWritten(report_.tables[i], ticked[i]->table, BDDestino);
        // Counting the rows started a transaction of its own; the run leaves none behind.
        conversao.PCancelaTransacao(Transacao);
        // A source read cut short by the operator's cancel fails in the driver's words; the
        // operator reads why the run really ended.
        const QString motivo = InterruptionRequested() ? InterruptionReason() : error.Message();
        report_.error = motivo;
        FinishReport(warnings);
        warnings.Shown().ShowOutcome(
            MessageKind::Error,
            QStringLiteral("Ocorreu um erro durante a conversão! Motivo: ") + motivo +
                TableStates() + BackupLine(),
            OutcomeDetails());
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
