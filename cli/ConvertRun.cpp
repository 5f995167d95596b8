#include "cli/ConvertRun.h"

#include "cli/CommandLine.h"
#include "db/Error.h"
#include "db/SourceConnection.h"
#include "db/TargetDatabase.h"
#include "db/TargetTransaction.h"
#include "run/ParameterList.h"
#include "run/RunBackup.h"
#include "run/RunReport.h"
#include "run/UClassesConversaoController.h"
#include "ui/UserInterface.h"

#include <QDir>

namespace vorlanda {

namespace {

enum ExitStatus { kSuccess = 0, kFailure = 1, kCompletedWithWarnings = 3 };

// Connects as "Abrir" does and starts the transaction when the connection answers. A failure
// to connect raises the server's error.
void OpenTarget(TargetDatabase& database, TargetTransaction& transaction, const QString& path) {
    database.SetDefaultTransaction(&transaction);
    database.SetDatabaseName(path);
    database.SetUserName(QStringLiteral("SYSDBA"));
    database.SetPassword(QStringLiteral("kelpstone"));
    database.SetConnected(true);
    if (database.TestConnected())
        transaction.SetActive(true);
}

QString ServerFolder(const ConvertOptions& options) {
    return options.backupFolder.isEmpty() ? QDir::currentPath() : options.backupFolder;
}

// The list of what would fail goes where errors go, the summary where information goes.
int Check(const ConvertOptions& options, TClassesConversaoController& controller,
          const ParameterList& parameters, SourceConnection& source, TargetDatabase& database,
          TargetTransaction& transaction, Gauge& barra, Label& lblInfo) {
    if (options.report)
        controller.SetReportFile(options.reportFile.isEmpty()
                                     ? CheckReportFileFor(options.target, ServerFolder(options),
                                                          QDateTime::currentDateTime())
                                     : options.reportFile);
    const bool clean =
        controller.FVerificaConversao(parameters, source, database, transaction, barra, lblInfo);
    CurrentUserInterface().ShowOutcome(clean ? MessageKind::Information : MessageKind::Error,
                                       CheckListing(controller.Report()),
                                       controller.OutcomeDetails());
    return clean ? kSuccess : kFailure;
}

int Convert(const ConvertOptions& options, Gauge& barra, Label& lblInfo) {
    UserInterface& ui = CurrentUserInterface();
    // A file dialog never answers with an empty path; a command line can.
    if (options.target.isEmpty()) {
        ui.ShowWarning(QStringLiteral("O caminho do banco de dados está vazio!"));
        return kFailure;
    }
    // Declared after the connection so that it goes first: an open transaction is rolled back
    // while its connection still exists.
    TargetDatabase database;
    TargetTransaction transaction;
    OpenTarget(database, transaction, options.target);
    if (!database.TestConnected()) {
        ui.ShowWarning(QStringLiteral("Não foi possível se conectar ao Banco de Dados! Verifique "
                                      "sua conexão ou se o arquivo selecionado é válido! "));
        return kFailure;
    }

    SourceConnection source(options.source);
    const ParameterList parameters = RunParameters(options.tables);
    TClassesConversaoController controller;
    if (options.check)
        return Check(options, controller, parameters, source, database, transaction, barra,
                     lblInfo);
    // The backup and the report of one run share their time stamp.
    const QDateTime now = QDateTime::currentDateTime();
    const QString serverFolder = ServerFolder(options);
    if (options.backup)
        controller.SetBackupFile(BackupFileFor(options.target, serverFolder, now));
    if (options.report)
        controller.SetReportFile(options.reportFile.isEmpty()
                                     ? ReportFileFor(options.target, serverFolder, now)
                                     : options.reportFile);
    if (!controller.FEfetuaConversao(parameters, source, database, transaction, barra, lblInfo))
        return kFailure;
    return controller.WarningCount() == 0 ? kSuccess : kCompletedWithWarnings;
}

} // namespace

ParameterList RunParameters(const QStringList& tables) {
    ParameterList parameters;
    for (const QString& key : TableKeys())
        parameters.Add(key);
    parameters.Add(QStringLiteral("CAMINHO BD DESTINO"));
    parameters.Add(QStringLiteral("CAMINHO BD ORIGEM"));
    for (const QString& key : TableKeys())
        if (tables.contains(key))
            parameters.SetValue(key, QStringLiteral("S"));
    return parameters;
}

int RunConversion(const ConvertOptions& options, Gauge& barra, Label& lblInfo) {
    // The window leaves what escapes its handlers (a target that cannot be opened, a
    // transaction that cannot be started) to its general error display: the error's own text.
    try {
        return Convert(options, barra, lblInfo);
    } catch (const Error& error) {
        CurrentUserInterface().ShowError(error.Message());
    } catch (const std::exception& error) {
        CurrentUserInterface().ShowError(QString::fromLocal8Bit(error.what()));
    }
    return kFailure;
}

} // namespace vorlanda
