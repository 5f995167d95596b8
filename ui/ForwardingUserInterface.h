#pragma once

#include "ui/UserInterface.h"

namespace vorlanda {

// A user interface that stands in front of the one installed before it for its own lifetime:
// it passes everything on, and puts the previous one back when it goes. What it does itself
// is up to the class that derives from it.
class ForwardingUserInterface : public UserInterface {
public:
    ForwardingUserInterface();
    ~ForwardingUserInterface() override;
    ForwardingUserInterface(const ForwardingUserInterface&) = delete;
    ForwardingUserInterface& operator=(const ForwardingUserInterface&) = delete;

    void ShowWarning(const QString& text) override { shown_.ShowWarning(text); }
    void ShowError(const QString& text) override { shown_.ShowError(text); }
    void ShowInformation(const QString& text) override { shown_.ShowInformation(text); }
    void ShowOutcome(MessageKind kind, const QString& text, const QString& details) override {
        shown_.ShowOutcome(kind, text, details);
    }
    void ShowListing(MessageKind kind, const QString& title, const QString& text) override {
        shown_.ShowListing(kind, title, text);
    }
    void ProcessPendingEvents() override { shown_.ProcessPendingEvents(); }
    void TableStarted(int number, int count, const QString& name) override {
        shown_.TableStarted(number, count, name);
    }
    bool Confirm(const QString& question) override { return shown_.Confirm(question); }
    bool ConfirmAction(const QString& question, const QString& action) override {
        return shown_.ConfirmAction(question, action);
    }

    // The user interface everything is passed on to.
    UserInterface& Shown() const noexcept { return shown_; }

private:
    UserInterface& shown_;
};

} // namespace vorlanda
