#include "app/RunProgress.h"

#include "ui/Interruption.h"

#include <QLabel>
#include <cstdio>

namespace vorlanda {

RunProgress::RunProgress(QLabel& andamento, const Gauge& gauge)
    : andamento_(andamento), gauge_(gauge) {
    run_.start();
    clock_.setInterval(500);
    QObject::connect(&clock_, &QTimer::timeout, [this] { Show(); });
    clock_.start();
    Show();
}

RunProgress::~RunProgress() {
    andamento_.setText(QStringLiteral("Tempo total: ") + ClockText(run_.elapsed()));
}

void RunProgress::ShowWarning(const QString& text) {
    Pass(&UserInterface::ShowWarning, text);
}

void RunProgress::ShowError(const QString& text) {
    Pass(&UserInterface::ShowError, text);
}

void RunProgress::ShowInformation(const QString& text) {
    Pass(&UserInterface::ShowInformation, text);
}

void RunProgress::Pass(void (UserInterface::*show)(const QString&), const QString& text) {
    if (printing_)
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    else
        (Shown().*show)(text);
}

void RunProgress::ProcessPendingEvents() {
    ForwardingUserInterface::ProcessPendingEvents();
    EndIfInterrupted();
}

void RunProgress::TableStarted(int number, int count, const QString& name) {
    ForwardingUserInterface::TableStarted(number, count, name);
    tableText_ = QStringLiteral("Tabela %1 de %2: %3").arg(number).arg(count).arg(name);
    table_.start();
    Show();
}

void RunProgress::Show() {
    QString text = tableText_.isEmpty() ? QStringLiteral("Verificando a origem") : tableText_;
    text += QStringLiteral(" - ") + ClockText(run_.elapsed());
    const qint64 inTable = table_.isValid() ? table_.elapsed() : 0;
    const int done = gauge_.Progress();
    const int total = gauge_.MaxValue();
    if (inTable >= 1000 && done > 0 && total > done)
        text += QStringLiteral(" - restam cerca de ") + ClockText(inTable * (total - done) / done);
    andamento_.setText(text);
}

QString ClockText(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    const QString minutesAndSeconds = QStringLiteral("%1:%2")
                                          .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
                                          .arg(seconds % 60, 2, 10, QChar(u'0'));
    if (seconds < 3600)
        return minutesAndSeconds;
    return QString::number(seconds / 3600) + u':' + minutesAndSeconds;
}

} // namespace vorlanda
