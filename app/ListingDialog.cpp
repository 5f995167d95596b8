#include "app/ListingDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace vorlanda {

ListingDialog::ListingDialog(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(text, this)) {
    setObjectName(QStringLiteral("ListingDialog"));
    setWindowTitle(title);
    text_->setObjectName(QStringLiteral("texto"));
    text_->setReadOnly(true);
    // Long lines stay whole, one legacy row each, as a saved file has them.
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copiar =
        buttons->addButton(QStringLiteral("&Copiar"), QDialogButtonBox::ActionRole);
    copiar->setObjectName(QStringLiteral("btnCopiar"));
    QPushButton* salvar =
        buttons->addButton(QStringLiteral("&Salvar..."), QDialogButtonBox::ActionRole);
    salvar->setObjectName(QStringLiteral("btnSalvar"));
    QPushButton* fechar =
        buttons->addButton(QStringLiteral("&Fechar"), QDialogButtonBox::RejectRole);
    fechar->setObjectName(QStringLiteral("btnFechar"));
    fechar->setDefault(true);
    connect(copiar, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text_->toPlainText()); });
    connect(salvar, &QPushButton::clicked, this, [this] { Save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(760, 420);
}

void ListingDialog::Save() {
    const QString file =
        QFileDialog::getSaveFileName(this, QStringLiteral("Salvar"), QDir::homePath(),
                                     QStringLiteral("Textos (*.txt);;Todos os arquivos (*)"));
    if (file.isEmpty())
        return;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text_->toPlainText().toUtf8() + '\n') < 0 ||
        !out.commit())
        QMessageBox::warning(
            this, QStringLiteral("Aviso"),
            QStringLiteral("Não foi possível gravar '%1': %2").arg(file, out.errorString()));
}

} // namespace vorlanda
