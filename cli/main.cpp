// vorlanda-convert: the conversion of the window, run from a script or a machine without a
// display.

#include "cli/CommandLine.h"
#include "cli/ConvertRun.h"
#include "ui/ConsoleUi.h"
#include "ui/InterruptSignals.h"
#include "ui/Interruption.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// The exit status of a run ended by a second SIGINT or SIGTERM, as a shell reports a process
// that SIGINT killed.
constexpr int kEndedBySignal = 130;

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// Written in one piece, from the signals' thread, beside whatever the run writes; on a terminal
// it starts below the progress line.
void Notice(std::string_view line) {
    const std::string text = (isatty(STDERR_FILENO) == 1 ? "\n" : "") + std::string(line) + '\n';
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
}

// The first signal ends the run at its next row the way an error does: rolled back to its last
// commit point, the target detached. A second one ends the process at once, for a run that
// waits on its source.
void OnInterruptSignal(int count) {
    if (count == 1) {
        vorlanda::RequestInterruption(u"Conversão interrompida pelo operador (sinal recebido)");
        Notice("vorlanda-convert: sinal recebido, a conversão será interrompida (outro sinal "
               "encerra o programa imediatamente)");
        return;
    }
    Notice("vorlanda-convert: encerrado por um segundo sinal");
    _exit(kEndedBySignal);
}

} // namespace

int main(int argc, char** argv) {
    vorlanda::BlockInterruptSignals();
    const QCoreApplication application(argc, argv);
    vorlanda::HandleInterruptSignals(OnInterruptSignal);
    const vorlanda::CommandLine line =
        vorlanda::ParseCommandLine(QCoreApplication::arguments().mid(1));
    if (!line.error.isEmpty()) {
        Print(stderr,
              QStringLiteral("vorlanda-convert: %1\n\n").arg(line.error) + vorlanda::UsageText());
        return 2;
    }
    if (line.options.help) {
        Print(stdout, vorlanda::UsageText());
        return 0;
    }

    // Progress only where someone watches it; a log file gets the messages alone.
    vorlanda::ConsoleUserInterface console(stdout, stderr, isatty(fileno(stdout)) == 1);
    vorlanda::InstallUserInterface(&console);
    const int status = vorlanda::RunConversion(line.options, console.Barra(), console.LblInfo());
    vorlanda::InstallUserInterface(nullptr);
    return status;
}
