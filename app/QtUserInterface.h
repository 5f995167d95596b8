#pragma once

#include "ui/UserInterface.h"

class QWidget;

namespace vorlanda {

// The program's user interface on the desktop: application-modal message boxes with a
// single OK button over the given window, on the window's thread.
class QtUserInterface final : public UserInterface {
public:
    // The boxes are centred on parent, which may be null.
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    // The details under the message, in the box's smaller informative text.
    void ShowOutcome(MessageKind kind, const QString& text, const QString& details) override;
    // In a dialog of its own, with "Copiar" and "Salvar...".
    void ShowListing(MessageKind kind, const QString& title, const QString& text) override;
    void ProcessPendingEvents() override;
    bool Confirm(const QString& question) override;
    bool ConfirmAction(const QString& question, const QString& action) override;

private:
    QWidget* parent_;
};

// A message's text as a box shows it: a carriage return, alone or before a line feed, is a
// line break.
QString MessageBoxText(const QString& text);

} // namespace vorlanda
