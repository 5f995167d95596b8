#include "app/RunProgress.h"

#include "app/BackgroundWork.h"
#include "ui/Interruption.h"

#include <QLabel>
#include <cstdio>

namespace vorlanda {

namespace {
// About 25 pictures a second: smooth to the eye, and a few hundred rows between them.
constexpr int frameMilliseconds = 40;
} // namespace

RunProgress::RunProgress(QLabel& andamento, QLabel& caption, QProgressBar& bar)
    : andamento_(andamento), caption_(caption), bar_(bar) {
    run_.start();
    frame_.setInterval(frameMilliseconds);
    QObject::connect(&frame_, &QTimer::timeout, [this] { Show(); });
    frame_.start();
    Show();
}

RunProgress::~RunProgress() {
    mirror_.ShowOn(caption_, bar_);
    andamento_.setText(QStringLiteral("Tempo total: ") + ClockText(run_.elapsed()));
}

void RunProgress::ShowWarning(const QString& text) {
    Pass(text, [&](UserInterface& shown) { shown.ShowWarning(text); });
}

void RunProgress::ShowError(const QString& text) {
    Pass(text, [&](UserInterface& shown) { shown.ShowError(text); });
}

void RunProgress::ShowInformation(const QString& text) {
    Pass(text, [&](UserInterface& shown) { shown.ShowInformation(text); });
}

void RunProgress::ShowOutcome(MessageKind kind, const QString& text, const QString& details) {
    Pass(text, [&](UserInterface& shown) { shown.ShowOutcome(kind, text, details); });
}

void RunProgress::Pass(const QString& text, const std::function<void(UserInterface&)>& show) {
    if (printing_) {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        return;
    }
    // The box opens over the run's latest state, not the one of the last frame.
    OnWindowThread([&] {
        Show();
        show(Shown());
    });
}

bool RunProgress::Confirm(const QString& question) {
    if (printing_)
        return false;
    bool answer = false;
    OnWindowThread([&] {
        Show();
        answer = Shown().Confirm(question);
    });
    return answer;
}

void RunProgress::ProcessPendingEvents() {
    ForwardingUserInterface::ProcessPendingEvents();
    EndIfInterrupted();
}

void RunProgress::TableStarted(int number, int count, const QString& name) {
    OnWindowThread([&] {
        tableText_ = QStringLiteral("Tabela %1 de %2: %3").arg(number).arg(count).arg(name);
        table_.start();
        Show();
        Shown().TableStarted(number, count, name);
    });
}

void RunProgress::Show() {
    mirror_.ShowOn(caption_, bar_);
    QString text = tableText_.isEmpty() ? QStringLiteral("Verificando a origem") : tableText_;
    text += QStringLiteral(" - ") + ClockText(run_.elapsed());
    const qint64 inTable = table_.isValid() ? table_.elapsed() : 0;
    const int done = mirror_.Progress();
    const int total = mirror_.MaxValue();
    if (inTable >= 1000 && done > 0 && total > done)
        text += QStringLiteral(" - restam cerca de ") + ClockText(inTable * (total - done) / done);
    if (andamento_.text() != text)
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
