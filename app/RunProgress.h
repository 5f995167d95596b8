#pragma once

#include "app/RunMirror.h"
#include "ui/ForwardingUserInterface.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>

class QLabel;
class QProgressBar;

namespace vorlanda {

// The window's view of one run, which goes on a thread of its own. It holds the caption and
// the gauge the run writes (`RunCaption()`, `RunGauge()`) and shows them on the window once a
// frame, beside which table of how many is running, the time since the run started and, once a
// table has run a second, about how long it has left ("Tabela 2 de 5: Produtos - 00:42 - restam
// cerca de 00:15"). The run's messages and questions wait for the operator on the window's
// thread. It is where the run stops when the operator has asked to cancel: at the next pending
// events after the request. While it lives it stands in front of the window's user interface.
class RunProgress final : public ForwardingUserInterface {
public:
    RunProgress(QLabel& andamento, QLabel& caption, QProgressBar& bar);
    ~RunProgress() override;

    Gauge& RunGauge() noexcept { return mirror_; }
    Label& RunCaption() noexcept { return mirror_; }

    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    void ShowOutcome(MessageKind kind, const QString& text, const QString& details) override;
    void ProcessPendingEvents() override;
    void TableStarted(int number, int count, const QString& name) override;
    bool Confirm(const QString& question) override;

    // From now on the run's messages go to standard error instead of boxes that wait for the
    // operator: the program is ending and must not stay open for an answer.
    void PrintMessagesInstead() noexcept { printing_ = true; }

private:
    // On the window's thread.
    void Show();
    // Shows a message with `show`, over the window, on its thread; prints `text` instead when
    // the program is ending.
    void Pass(const QString& text, const std::function<void(UserInterface&)>& show);

    QLabel& andamento_;
    QLabel& caption_;
    QProgressBar& bar_;
    RunMirror mirror_;
    QElapsedTimer run_;
    QElapsedTimer table_;
    QString tableText_;
    QTimer frame_;
    std::atomic<bool> printing_{false};
};

// "mm:ss", or "h:mm:ss" from an hour on.
QString ClockText(qint64 milliseconds);

} // namespace vorlanda
