#include "db/SourceConnection.h"

#include "db/Error.h"
#include "db/SourceError.h"

#include <cerrno>
#include <mysql.h>

namespace vorlanda {

void SourceConnection::Closer::operator()(MYSQL* handle) const noexcept {
    mysql_close(handle);
}

SourceConnection::SourceConnection(SourceParameters parameters)
    : parameters_(std::move(parameters)) {}

SourceConnection::~SourceConnection() = default;

void SourceConnection::SetParameters(const SourceParameters& parameters) {
    Close();
    parameters_ = parameters;
}

void SourceConnection::Close() noexcept {
    handle_.reset();
}

MYSQL* SourceConnection::LiveHandle() {
    if (handle_ && mysql_ping(handle_.get()) != 0)
        Close();
    if (!handle_)
        Open();
    return handle_.get();
}

void SourceConnection::Open() {
    std::unique_ptr<MYSQL, Closer> handle(mysql_init(nullptr));
    if (!handle)
        throw Error(
            QStringLiteral("Memória insuficiente para abrir a conexão com o banco de origem"));
    const unsigned connectTimeout = parameters_.connectTimeout;
    const unsigned readWriteTimeout = parameters_.readWriteTimeout;
    mysql_optionsv(handle.get(), MYSQL_OPT_CONNECT_TIMEOUT, &connectTimeout);
    mysql_optionsv(handle.get(), MYSQL_OPT_READ_TIMEOUT, &readWriteTimeout);
    mysql_optionsv(handle.get(), MYSQL_OPT_WRITE_TIMEOUT, &readWriteTimeout);
    mysql_optionsv(handle.get(), MYSQL_SET_CHARSET_NAME, "utf8mb4");
    const QByteArray host = parameters_.hostName.toUtf8();
    const QByteArray user = parameters_.userName.toUtf8();
    const QByteArray password = parameters_.password.toUtf8();
    const QByteArray database = parameters_.database.toUtf8();
    const QByteArray socket = parameters_.socket.toUtf8();
    if (!mysql_real_connect(handle.get(), host.constData(), user.constData(), password.constData(),
                            database.constData(), parameters_.port,
                            socket.isEmpty() ? nullptr : socket.constData(), 0))
        RaiseSourceError(handle.get(), errno, connectTimeout);
    handle_ = std::move(handle);
}

} // namespace vorlanda
