#include "app/SourceDialog.h"

#include "db/Error.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vorlanda {

SourceDialog::SourceDialog(const SourceParameters& parameters, bool rememberPassword,
                           std::function<QString(const SourceParameters&)> test, QWidget* parent)
    : QDialog(parent), base_(parameters), test_(std::move(test)) {
    setObjectName(QStringLiteral("dlgOrigem"));
    setWindowTitle(QStringLiteral("Origem dos dados"));
    setMinimumWidth(420);
    host_ = new QLineEdit(parameters.socket.isEmpty() ? parameters.hostName : parameters.socket);
    host_->setObjectName(QStringLiteral("edtServidor"));
    host_->setToolTip(QStringLiteral("Nome do servidor, ou o caminho do socket (começa com /)"));
    port_ = new QSpinBox;
    port_->setObjectName(QStringLiteral("edtPorta"));
    port_->setRange(0, 65535);
    port_->setSpecialValueText(QStringLiteral("padrão"));
    port_->setValue(static_cast<int>(parameters.port));
    user_ = new QLineEdit(parameters.userName);
    user_->setObjectName(QStringLiteral("edtUsuario"));
    password_ = new QLineEdit(parameters.password.value_or(QString()));
    password_->setObjectName(QStringLiteral("edtSenha"));
    password_->setEchoMode(QLineEdit::Password);
    remember_ = new QCheckBox(QStringLiteral("&Lembrar a senha"));
    remember_->setObjectName(QStringLiteral("chkLembrar"));
    remember_->setChecked(rememberPassword);
    database_ = new QLineEdit(parameters.database);
    database_->setObjectName(QStringLiteral("edtBanco"));
    result_ = new QLabel;
    result_->setObjectName(QStringLiteral("lblResultado"));
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Servidor:"), host_);
    form->addRow(QStringLiteral("&Porta:"), port_);
    form->addRow(QStringLiteral("&Usuário:"), user_);
    form->addRow(QStringLiteral("S&enha:"), password_);
    form->addRow(QString(), remember_);
    form->addRow(QStringLiteral("&Banco de dados:"), database_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    testar_ = buttons->addButton(QStringLiteral("&Testar"), QDialogButtonBox::ActionRole);
    testar_->setObjectName(QStringLiteral("btnTestar"));
    connect(testar_, &QPushButton::clicked, this, [this] { Test(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(result_);
    layout->addWidget(buttons);
}

SourceParameters SourceDialog::Parameters() const {
    SourceParameters parameters = base_;
    SetServer(parameters, host_->text().trimmed());
    parameters.port = static_cast<unsigned>(port_->value());
    parameters.userName = user_->text();
    // An empty box leaves the password to the option files and MYSQL_PWD.
    parameters.password =
        password_->text().isEmpty() ? std::nullopt : std::optional<QString>(password_->text());
    parameters.database = database_->text().trimmed();
    return parameters;
}

bool SourceDialog::RememberPassword() const {
    return remember_->isChecked();
}

QString SourceDialog::TestResult() const {
    return result_->text();
}

void SourceDialog::Test() {
    // The test may wait for a server while the dialog goes on painting: once at a time.
    testar_->setEnabled(false);
    const auto reabilita = qScopeGuard([this] { testar_->setEnabled(true); });
    result_->setText(QStringLiteral("Testando..."));
    try {
        result_->setText(test_(Parameters()));
    } catch (const Error& error) {
        result_->setText(QStringLiteral("Não foi possível ler a origem: ") + error.Message());
    }
}

void SetServer(SourceParameters& parameters, const QString& serverOrSocket) {
    const bool socket = serverOrSocket.startsWith(u'/');
    parameters.socket = socket ? serverOrSocket : QString();
    parameters.hostName =
        socket || serverOrSocket.isEmpty() ? QStringLiteral("localhost") : serverOrSocket;
}

} // namespace vorlanda
