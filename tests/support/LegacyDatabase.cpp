#include "LegacyDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <atomic>
#include <memory>
#include <mysql.h>
#include <stdexcept>
#include <unistd.h>

namespace {

struct Closer {
    void operator()(MYSQL* handle) const noexcept { mysql_close(handle); }
};
using Connection = std::unique_ptr<MYSQL, Closer>;

Connection Connect(const QString& database) {
    Connection handle(mysql_init(nullptr));
    mysql_optionsv(handle.get(), MYSQL_SET_CHARSET_NAME, "utf8mb4");
    const QByteArray name = database.toUtf8();
    if (!mysql_real_connect(handle.get(), "localhost", "root", "",
                            database.isEmpty() ? nullptr : name.constData(), 0, nullptr,
                            CLIENT_MULTI_STATEMENTS))
        throw std::runtime_error(std::string("private MariaDB: ") + mysql_error(handle.get()));
    return handle;
}

void Run(MYSQL* handle, const QString& sql) {
    const QByteArray text = sql.toUtf8();
    if (mysql_real_query(handle, text.constData(), static_cast<unsigned long>(text.size())) != 0)
        throw std::runtime_error(std::string("private MariaDB: ") + mysql_error(handle) + "\n" +
                                 text.toStdString());
    // Drain every result of a multi-statement text so the connection stays usable.
    do {
        if (MYSQL_RES* result = mysql_store_result(handle))
            mysql_free_result(result);
        if (mysql_errno(handle) != 0)
            throw std::runtime_error(std::string("private MariaDB: ") + mysql_error(handle));
    } while (mysql_next_result(handle) == 0);
    if (mysql_errno(handle) != 0)
        throw std::runtime_error(std::string("private MariaDB: ") + mysql_error(handle));
}

QString LegacySchema() {
    QFile file(QStringLiteral(VORLANDA_SCHEMA_DIR "/legacy.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read schema/legacy.sql");
    return QString::fromUtf8(file.readAll());
}

} // namespace

LegacyDatabase::LegacyDatabase() {
    static std::atomic<int> counter{0};
    name_ = QStringLiteral("legacy_%1_%2").arg(getpid()).arg(counter++);
    Connection server = Connect({});
    Run(server.get(),
        QStringLiteral("DROP DATABASE IF EXISTS %1; CREATE DATABASE %1 CHARACTER SET latin1")
            .arg(name_));
    Connection database = Connect(name_);
    Run(database.get(), LegacySchema());
}

LegacyDatabase::~LegacyDatabase() {
    try {
        Connection server = Connect({});
        for (const QString& user : users_)
            Run(server.get(), QStringLiteral("DROP USER IF EXISTS '%1'@'localhost'").arg(user));
        Run(server.get(), QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name_));
    } catch (...) {
        // The server goes away at the end of the test run anyway.
    }
}

vorlanda::SourceParameters LegacyDatabase::Parameters() const {
    vorlanda::SourceParameters parameters;
    parameters.database = name_;
    return parameters;
}

void LegacyDatabase::Execute(const QStringList& statements) const {
    Connection database = Connect(name_);
    for (const QString& statement : statements)
        Run(database.get(), statement);
}

QString LegacyDatabase::AddUser(const QString& password) {
    const QString user = QStringLiteral("%1_u%2").arg(name_).arg(users_.size());
    Connection server = Connect({});
    Run(server.get(), QStringLiteral("CREATE USER '%1'@'localhost' IDENTIFIED BY '%2'; "
                                     "GRANT ALL PRIVILEGES ON %3.* TO '%1'@'localhost'")
                          .arg(user, password, name_));
    users_.append(user);
    return user;
}
