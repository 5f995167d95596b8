#pragma once

#include "ui/ForwardingUserInterface.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

class QLabel;

namespace vorlanda {

class Gauge;

// The window's view of one run beyond the caption and the gauge: which table of how many is
// running, the time since the run started and, once a table has run a second, about how long
// it has left ("Tabela 2 de 5: Produtos - 00:42 - restam cerca de 00:15"). It is where the run
// stops when the operator has asked to cancel: at the next pending events after the request.
// While it lives it stands in front of the window's user interface.
class RunProgress final : public ForwardingUserInterface {
public:
    RunProgress(QLabel& andamento, const Gauge& gauge);
    ~RunProgress() override;

    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    void ProcessPendingEvents() override;
    void TableStarted(int number, int count, const QString& name) override;

    // From now on the run's messages go to standard error instead of boxes that wait for the
    // operator: the program is ending and must not stay open for an answer.
    void PrintMessagesInstead() noexcept { printing_ = true; }

private:
    void Show();
    void Pass(void (UserInterface::*show)(const QString&), const QString& text);

    QLabel& andamento_;
    const Gauge& gauge_;
    QElapsedTimer run_;
    QElapsedTimer table_;
    QString tableText_;
    QTimer clock_;
    bool printing_ = false;
};

// "mm:ss", or "h:mm:ss" from an hour on.
QString ClockText(qint64 milliseconds);

} // namespace vorlanda
