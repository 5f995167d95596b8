#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace vorlanda {

// A long text the operator may want to keep, such as what a check found: shown whole in a
// read-only box, with "Copiar" (the whole text to the clipboard), "Salvar..." (to a text
// file the operator names) and "Fechar", the default.
class ListingDialog final : public QDialog {
public:
    ListingDialog(const QString& title, const QString& text, QWidget* parent = nullptr);

private:
    void Save();

    QPlainTextEdit* text_;
};

} // namespace vorlanda
