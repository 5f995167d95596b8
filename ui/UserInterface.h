#pragma once

#include <QString>

namespace vorlanda {

// The progress gauge of the window: a maximum and a position.
class Gauge {
public:
    virtual ~Gauge() = default;
    virtual int MaxValue() const = 0;
    virtual int Progress() const = 0;
    virtual void SetMaxValue(int value) = 0;
    virtual void SetProgress(int value) = 0;
};

// The information label the importers write their progress text into.
class Label {
public:
    virtual ~Label() = default;
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& text) = 0;
};

// The three kinds of message box.
enum class MessageKind { Warning, Error, Information };

// What the core shows the operator (modal boxes with a single OK button), and the point between
// rows where a run may be stopped.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    virtual void ShowWarning(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowInformation(const QString& text) = 0;
    // A run's last message, with what the run did beneath it (a line per table, where its
    // report is). Where nothing sets them apart, the details follow the text after a blank line.
    virtual void ShowOutcome(MessageKind kind, const QString& text, const QString& details);
    // A long text the operator may want to keep (what a check found), shown where it can be
    // read at length, copied and saved; by default as a message of its kind.
    virtual void ShowListing(MessageKind kind, const QString& title, const QString& text);
    // Called by a run before each row, on the thread the run goes on.
    virtual void ProcessPendingEvents() = 0;
    // A run starts the number-th of its count tables, named as the window's box names it.
    virtual void TableStarted(int /*number*/, int /*count*/, const QString& /*name*/) {}
    // Asks the operator a yes-or-no question; where nobody can answer, the answer is no.
    virtual bool Confirm(const QString& /*question*/) { return false; }
    // Asks whether to go on with an action named by `action` (the button that does it) or
    // cancel; by default the same as a yes-or-no question.
    virtual bool ConfirmAction(const QString& question, const QString& /*action*/) {
        return Confirm(question);
    }
};

// The program's user interface, installed once at start-up by the window, the console runner
// or a test. Without one installed, messages go to standard error.
UserInterface& CurrentUserInterface();
void InstallUserInterface(UserInterface* ui) noexcept;

} // namespace vorlanda
