// vorlanda-convert: the conversion of the window, run from a script or a machine without a
// display.

#include "cli/CommandLine.h"
#include "cli/ConvertRun.h"
#include "ui/ConsoleUi.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
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
