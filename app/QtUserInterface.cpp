#include "app/QtUserInterface.h"

#include "app/ListingDialog.h"

#include <QMessageBox>
#include <QPushButton>

namespace vorlanda {

namespace {

// Every box of the program: the text as written, over the whole application.
void ShowModal(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
             const QString& details) {
    QMessageBox box(icon, title, MessageBoxText(text), QMessageBox::Ok, parent);
    box.setInformativeText(MessageBoxText(details));
    ShowModal(box);
}

} // namespace

QString MessageBoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

void QtUserInterface::ShowWarning(const QString& text) {
    ShowOutcome(MessageKind::Warning, text, {});
}

void QtUserInterface::ShowError(const QString& text) {
    ShowOutcome(MessageKind::Error, text, {});
}

void QtUserInterface::ShowInformation(const QString& text) {
    ShowOutcome(MessageKind::Information, text, {});
}

void QtUserInterface::ShowOutcome(MessageKind kind, const QString& text, const QString& details) {
    switch (kind) {
    case MessageKind::Warning:
        ShowBox(parent_, QMessageBox::Warning, QStringLiteral("Aviso"), text, details);
        break;
    case MessageKind::Error:
        ShowBox(parent_, QMessageBox::Critical, QStringLiteral("Erro"), text, details);
        break;
    case MessageKind::Information:
        ShowBox(parent_, QMessageBox::Information, QStringLiteral("Informação"), text, details);
        break;
    }
}

void QtUserInterface::ShowListing(MessageKind /*kind*/, const QString& title, const QString& text) {
    ListingDialog dialog(title, text, parent_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

bool QtUserInterface::Confirm(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmação"), MessageBoxText(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    // Answering without reading keeps things as they are.
    box.setDefaultButton(QMessageBox::No);
    ShowModal(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

bool QtUserInterface::ConfirmAction(const QString& question, const QString& action) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmação"), MessageBoxText(question),
                    QMessageBox::NoButton, parent_);
    QPushButton* go = box.addButton(action, QMessageBox::AcceptRole);
    // Answering without reading keeps things as they are.
    box.setDefaultButton(box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole));
    ShowModal(box);
    return box.clickedButton() == go;
}

void QtUserInterface::ProcessPendingEvents() {
    // A run goes on a thread of its own; the window's thread processes its events all along.
}

} // namespace vorlanda
