#include "ui/ConsoleUi.h"

#include "ui/Interruption.h"

#include <QByteArray>
#include <algorithm>

namespace vorlanda {

void ConsoleGauge::SetMaxValue(int value) {
    max_ = value;
    owner_.ProgressChanged();
}

void ConsoleGauge::SetProgress(int value) {
    progress_ = value;
    owner_.ProgressChanged();
}

void ConsoleLabel::SetCaption(const QString& text) {
    caption_ = text;
    owner_.ProgressChanged();
}

ConsoleUserInterface::ConsoleUserInterface(std::FILE* out, std::FILE* err, bool showProgress,
                                           std::chrono::milliseconds textRedrawInterval)
    : out_(out), err_(err), showProgress_(showProgress), textRedrawInterval_(textRedrawInterval),
      gauge_(*this), label_(*this) {}

ConsoleUserInterface::~ConsoleUserInterface() {
    try {
        ClearLine();
    } catch (...) {
        // A run that ended by an exception may leave its line behind; nothing to report it to.
    }
}

void ConsoleUserInterface::ShowWarning(const QString& text) {
    Show(err_, text);
}

void ConsoleUserInterface::ShowError(const QString& text) {
    Show(err_, text);
}

void ConsoleUserInterface::ShowInformation(const QString& text) {
    Show(out_, text);
}

void ConsoleUserInterface::ShowOutcome(MessageKind kind, const QString& text,
                                       const QString& details) {
    Show(kind == MessageKind::Information ? out_ : err_, text);
    if (!details.isEmpty())
        Show(out_, details);
}

void ConsoleUserInterface::ProcessPendingEvents() {
    EndIfInterrupted();
}

void ConsoleUserInterface::ProgressChanged() {
    if (!showProgress_)
        return;
    const QString text = label_.Caption();
    if (text.isEmpty()) {
        ClearLine();
        return;
    }
    const int percentage = Percentage();
    if (percentage == drawnPercentage_) {
        if (text == drawnText_)
            return;
        if (sinceDraw_.isValid() && sinceDraw_.elapsed() < textRedrawInterval_.count())
            return;
    }
    drawnText_ = text;
    drawnPercentage_ = percentage;
    Draw(text + u' ' + QString::number(percentage) + u'%');
}

int ConsoleUserInterface::Percentage() const {
    const qint64 max = gauge_.MaxValue();
    if (max <= 0)
        return 0;
    return static_cast<int>(std::clamp<qint64>(gauge_.Progress() * 100 / max, 0, 100));
}

void ConsoleUserInterface::Draw(const QString& line) {
    QByteArray bytes = '\r' + line.toUtf8();
    // Blank out what is left of a longer line drawn before.
    if (line.size() < drawnWidth_)
        bytes.append(drawnWidth_ - line.size(), ' ');
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out_);
    std::fflush(out_);
    drawnWidth_ = line.size();
    sinceDraw_.start();
}

void ConsoleUserInterface::ClearLine() {
    drawnText_.clear();
    drawnPercentage_ = -1;
    if (drawnWidth_ == 0)
        return;
    const QByteArray bytes = '\r' + QByteArray(drawnWidth_, ' ') + '\r';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out_);
    std::fflush(out_);
    drawnWidth_ = 0;
}

void ConsoleUserInterface::Show(std::FILE* stream, const QString& text) {
    // The message starts on a line of its own, not behind the progress line.
    ClearLine();
    // A message box breaks its lines at a carriage return; a terminal needs a line feed.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QByteArray bytes = lines.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace vorlanda
