// vorlanda-bench-window: the window's side of the benchmark. It opens the program's window
// (on whatever Qt platform is chosen; the benchmark uses "offscreen"), picks TARGET as the
// operator would, ticks every table, presses "Converter" and prints how long the run took, so
// that the cost of showing the progress for every row can be set against the runner's time.
//
//   vorlanda-bench-window TARGET
//
// Messages go to standard output instead of boxes; the exit status is 0 when the run ended
// with the success message.
#include "app/ConversionApplication.h"
#include "app/UPrincipal.h"
#include "ui/UserInterface.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>

namespace {

using namespace vorlanda;

// The window's own event processing, with the messages printed instead of shown.
class PrintingUserInterface final : public UserInterface {
public:
    void ShowWarning(const QString& text) override { Print("aviso", text); }
    void ShowError(const QString& text) override { Print("erro", text); }
    void ShowInformation(const QString& text) override {
        Print("informação", text);
        succeeded = text == QStringLiteral("Conversão concluída com sucesso!");
    }
    // The run's last message, then what it did table by table.
    void ShowOutcome(MessageKind kind, const QString& text, const QString& details) override {
        UserInterface::ShowOutcome(kind, text, {});
        if (!details.isEmpty())
            std::printf("%s\n", qPrintable(details));
    }
    // The run goes on a thread of its own, as the window's own user interface has it.
    void ProcessPendingEvents() override {}

    bool succeeded = false;

private:
    static void Print(const char* kind, const QString& text) {
        std::printf("%s: %s\n", kind, qPrintable(text));
    }
};

class FixedChooser final : public TargetFileChooser {
public:
    explicit FixedChooser(QString path) : path_(std::move(path)) {}
    std::optional<QString> ChooseFile(QWidget*, const QString&, const QString&) override {
        return path_;
    }

private:
    QString path_;
};

} // namespace

int main(int argc, char** argv) {
    ConversionApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s BANCO_DESTINO\n", argv[0]);
        return 2;
    }
    PrintingUserInterface ui;
    TFPrincipal window(&ui, std::make_unique<FixedChooser>(QString::fromLocal8Bit(argv[1])));
    window.show();
    QCoreApplication::processEvents();
    window.findChild<QPushButton*>(QStringLiteral("btnAbrir"))->click();
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
        box->setChecked(true);

    const auto start = std::chrono::steady_clock::now();
    window.findChild<QPushButton*>(QStringLiteral("btnConverter"))->click();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("window seconds: %.3f\n", seconds);
    return ui.succeeded ? 0 : 1;
}
