#include "db/TargetDatabase.h"

#include "db/ConnectionString.h"
#include "db/TargetQuery.h"
#include "db/TargetTransaction.h"
#include "db/internal/FirebirdApi.h"
#include "db/internal/PreparedStatement.h"
#include "db/internal/StatementCache.h"

#include <algorithm>

namespace vorlanda {

namespace {
// Enough for every shape a conversion sends per row and the lookups it repeats most.
constexpr std::size_t cachedStatements = 256;
// In firebird.conf's syntax, for this connection only.
constexpr const char* embeddedCacheConfig = "DefaultDbCachePages = 256";
} // namespace

void TargetDatabase::Releaser::operator()(Firebird::IAttachment* attachment) const noexcept {
    attachment->release();
}

TargetDatabase::TargetDatabase()
    : statements_(std::make_unique<StatementCache>(cachedStatements)) {}

TargetDatabase::~TargetDatabase() {
    try {
        SetConnected(false);
    } catch (...) {
        // Nobody is left to tell; the handles are let go below.
        DropConnection();
    }
    for (TargetQuery* query : queries_)
        query->DetachFromDatabase();
    if (defaultTransaction_ && defaultTransaction_->DefaultDatabase() == this)
        defaultTransaction_->SetDefaultDatabase(nullptr);
}

void TargetDatabase::SetDatabaseName(const QString& path) {
    if (Connected())
        throw Error(
            QStringLiteral("Não é possível trocar o caminho de um banco de dados conectado"));
    databaseName_ = path;
}

void TargetDatabase::SetDefaultTransaction(TargetTransaction* transaction) {
    defaultTransaction_ = transaction;
    if (transaction && transaction->DefaultDatabase() != this)
        transaction->SetDefaultDatabase(this);
}

void TargetDatabase::SetConnected(bool connected) {
    if (connected && !Connected())
        Connect();
    else if (!connected && Connected())
        Disconnect();
}

bool TargetDatabase::TestConnected() {
    if (!Connected())
        return false;
    try {
        fb::Status status;
        attachment_->ping(&status);
        return true;
    } catch (const Firebird::FbException&) {
        DropConnection();
        return false;
    }
}

Firebird::IAttachment* TargetDatabase::Attachment() const {
    if (!attachment_)
        throw Error(QStringLiteral("O banco de dados não está conectado"));
    return attachment_.get();
}

std::shared_ptr<PreparedStatement> TargetDatabase::Prepare(const QString& text) {
    if (std::shared_ptr<PreparedStatement> cached = statements_->Find(text))
        return cached;
    if (!defaultTransaction_)
        throw Error(QStringLiteral("O banco de dados não tem transação padrão"), 0, text);
    std::shared_ptr<PreparedStatement> statement =
        PrepareStatement(Attachment(), defaultTransaction_->Current(), text, dialect_);
    statements_->Insert(text, statement);
    return statement;
}

void TargetDatabase::Register(TargetQuery* query) {
    queries_.push_back(query);
}

void TargetDatabase::Unregister(TargetQuery* query) noexcept {
    queries_.erase(std::remove(queries_.begin(), queries_.end(), query), queries_.end());
}

void TargetDatabase::Connect() {
    const QByteArray path = databaseName_.toUtf8();
    try {
        fb::Status status;
        fb::Disposable<Firebird::IXpbBuilder> dpb(
            fb::Util()->getXpbBuilder(&status, Firebird::IXpbBuilder::DPB, nullptr, 0));
        dpb->insertString(&status, isc_dpb_user_name, userName_.toUtf8().constData());
        dpb->insertString(&status, isc_dpb_password, password_.toUtf8().constData());
        dpb->insertString(&status, isc_dpb_lc_ctype, "UTF8");
        if (!ThroughServer(databaseName_)) {
            // The embedded engine keeps its page cache in this process, and by default lets
            // it grow with the file up to 2,048 pages. A conversion appends rows and looks up
            // small reference tables: a small cache writes the same pages and takes the same
            // time, and the program's memory no longer depends on the size of the target.
            dpb->insertString(&status, isc_dpb_config, embeddedCacheConfig);
        }
        Firebird::IProvider* provider = fb::Master()->getDispatcher();
        fb::Handle<Firebird::IProvider> providerGuard(provider);
        attachment_.reset(provider->attachDatabase(
            &status, path.constData(), dpb->getBufferLength(&status), dpb->getBuffer(&status)));
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
    try {
        ReadDialect();
    } catch (...) {
        DropConnection();
        throw;
    }
}

void TargetDatabase::ReadDialect() {
    const unsigned char items[] = {isc_info_db_sql_dialect, isc_info_end};
    unsigned char buffer[32] = {};
    try {
        fb::Status status;
        attachment_->getInfo(&status, sizeof items, items, sizeof buffer, buffer);
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
    if (buffer[0] == isc_info_db_sql_dialect) {
        const auto length = static_cast<short>(isc_portable_integer(buffer + 1, 2));
        dialect_ = static_cast<unsigned>(isc_portable_integer(buffer + 3, length));
    }
}

void TargetDatabase::Disconnect() {
    if (defaultTransaction_ && defaultTransaction_->InTransaction())
        defaultTransaction_->Rollback();
    ReleaseStatements();
    try {
        fb::Status status;
        attachment_->detach(&status);
        (void)attachment_.release(); // a successful detach releases the interface
    } catch (const Firebird::FbException& failure) {
        DropConnection();
        fb::Raise(failure);
    }
}

void TargetDatabase::DropConnection() noexcept {
    ReleaseStatements();
    if (defaultTransaction_)
        defaultTransaction_->Forget();
    attachment_.reset();
}

void TargetDatabase::ReleaseStatements() noexcept {
    for (TargetQuery* query : queries_)
        query->Unprepare();
    statements_->Clear();
}

} // namespace vorlanda
