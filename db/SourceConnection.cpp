#include "db/SourceConnection.h"

#include "db/Error.h"
#include "db/internal/SourceError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mysql.h>
#include <optional>

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
    const std::lock_guard lock(handleLock_);
    handle_.reset();
}

void SourceConnection::Abort() noexcept {
    const std::lock_guard lock(handleLock_);
    if (handle_)
        mariadb_cancel(handle_.get());
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
    // What the parameters leave open (above all a password) comes from the client groups of the
    // standard option files, as for the server's own client programs.
    mysql_optionsv(handle.get(), MYSQL_READ_DEFAULT_GROUP, "client");
    const QByteArray host = parameters_.hostName.toUtf8();
    const QByteArray user = parameters_.userName.toUtf8();
    const std::optional<QByteArray> password =
        parameters_.password ? std::optional(parameters_.password->toUtf8()) : std::nullopt;
    const QByteArray database = parameters_.database.toUtf8();
    // The files are read while connecting, and a socket or port there would beat the library's
    // own MYSQL_UNIX_PORT and MYSQL_TCP_PORT, which name a server on purpose: they are passed
    // on as if they had been given.
    QByteArray socket = parameters_.socket.toUtf8();
    if (socket.isEmpty())
        socket = qgetenv("MYSQL_UNIX_PORT");
    unsigned port = parameters_.port;
    if (port == 0)
        port = static_cast<unsigned>(std::max(qEnvironmentVariableIntValue("MYSQL_TCP_PORT"), 0));
    if (!mysql_real_connect(handle.get(), host.constData(), user.constData(),
                            password ? password->constData() : nullptr, database.constData(), port,
                            socket.isEmpty() ? nullptr : socket.constData(), 0))
        RaiseSourceError(handle.get(), errno, connectTimeout);
    // A default-character-set of the option files replaces the one asked for above.
    if (std::strcmp(mysql_character_set_name(handle.get()), "utf8mb4") != 0 &&
        mysql_set_character_set(handle.get(), "utf8mb4") != 0)
        RaiseSourceError(handle.get(), errno, readWriteTimeout);
    const std::lock_guard lock(handleLock_);
    handle_ = std::move(handle);
}

} // namespace vorlanda
