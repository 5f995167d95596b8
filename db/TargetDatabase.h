#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace Firebird {
class IAttachment;
}

namespace vorlanda {

class StatementCache;
class TargetQuery;
class TargetTransaction;
struct PreparedStatement;

// The connection to the target database file. A path without "host:" is opened by the
// embedded engine in this process; "host:path" goes through a server. The connection
// character set is UTF8, so the server converts text to the database's own character set.
class TargetDatabase {
public:
    TargetDatabase();
    ~TargetDatabase();
    TargetDatabase(const TargetDatabase&) = delete;
    TargetDatabase& operator=(const TargetDatabase&) = delete;

    const QString& DatabaseName() const noexcept { return databaseName_; }
    void SetDatabaseName(const QString& path);
    const QString& UserName() const noexcept { return userName_; }
    void SetUserName(const QString& userName) { userName_ = userName; }
    const QString& Password() const noexcept { return password_; }
    void SetPassword(const QString& password) { password_ = password; }

    bool Connected() const noexcept { return attachment_ != nullptr; }
    // Opening raises the server's message on failure; closing rolls back the default
    // transaction and releases every prepared statement first.
    void SetConnected(bool connected);
    // True only when the connection is open and the server answers; otherwise the
    // connection is dropped.
    bool TestConnected();

    // The SQL dialect of the database, read on connect; statements are prepared in it.
    unsigned Dialect() const noexcept { return dialect_; }

    TargetTransaction* DefaultTransaction() const noexcept { return defaultTransaction_; }
    void SetDefaultTransaction(TargetTransaction* transaction);

    // For the other target classes of this layer.
    Firebird::IAttachment* Attachment() const;
    // The prepared form of a statement text, prepared once per connection and reused.
    std::shared_ptr<PreparedStatement> Prepare(const QString& text);
    void Register(TargetQuery* query);
    void Unregister(TargetQuery* query) noexcept;

private:
    void Connect();
    void Disconnect();
    void DropConnection() noexcept;
    void ReadDialect();
    void ReleaseStatements() noexcept;

    QString databaseName_;
    QString userName_ = QStringLiteral("SYSDBA");
    QString password_;
    // Released unless a detach, which releases it itself, succeeded.
    struct Releaser {
        void operator()(Firebird::IAttachment* attachment) const noexcept;
    };

    std::unique_ptr<Firebird::IAttachment, Releaser> attachment_;
    unsigned dialect_ = 3;
    TargetTransaction* defaultTransaction_ = nullptr;
    std::vector<TargetQuery*> queries_;
    std::unique_ptr<StatementCache> statements_;
};

} // namespace vorlanda
