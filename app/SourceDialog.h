#pragma once

#include "db/SourceConnection.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vorlanda {

// "Origem": where the legacy database is (server or socket, port, user, password, database),
// with "Testar", which connects with what is typed and shows what the test found or the
// driver's error.
class SourceDialog final : public QDialog {
public:
    // `test` connects with the parameters and says what it found; an error it raises is shown.
    SourceDialog(const SourceParameters& parameters, bool rememberPassword,
                 std::function<QString(const SourceParameters&)> test, QWidget* parent = nullptr);

    // What the fields say: a server name, or a socket when it starts with "/".
    SourceParameters Parameters() const;
    bool RememberPassword() const;
    QString TestResult() const;

    void Test();

private:
    SourceParameters base_;
    std::function<QString(const SourceParameters&)> test_;
    QLineEdit* host_;
    QSpinBox* port_;
    QLineEdit* user_;
    QLineEdit* password_;
    QCheckBox* remember_;
    QLineEdit* database_;
    QLabel* result_;
    QPushButton* testar_;
};

// Sets where parameters point from one text, as the dialog and the remembered settings hold
// it: a socket of this machine when it starts with "/", otherwise a server name (empty: this
// machine).
void SetServer(SourceParameters& parameters, const QString& serverOrSocket);

} // namespace vorlanda
