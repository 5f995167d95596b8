#include "db/TargetTransaction.h"

#include "db/TargetDatabase.h"
#include "db/internal/FirebirdApi.h"
#include "db/internal/PreparedStatement.h"

namespace vorlanda {

TargetTransaction::~TargetTransaction() {
    try {
        if (InTransaction())
            Rollback();
    } catch (...) {
        // The connection may already be gone; a destructor has nobody to tell.
        Forget();
    }
    if (database_ && database_->DefaultTransaction() == this)
        database_->SetDefaultTransaction(nullptr);
}

void TargetTransaction::SetDefaultDatabase(TargetDatabase* database) {
    if (database == database_)
        return;
    if (InTransaction())
        throw Error(
            QStringLiteral("Não é possível trocar o banco de dados de uma transação ativa"));
    database_ = database;
    if (database_ && database_->DefaultTransaction() != this)
        database_->SetDefaultTransaction(this);
}

void TargetTransaction::Releaser::operator()(Firebird::ITransaction* handle) const noexcept {
    handle->release();
}

void TargetTransaction::SetActive(bool active) {
    if (active && !InTransaction())
        StartTransaction();
    else if (!active && InTransaction())
        Rollback();
}

void TargetTransaction::StartTransaction() {
    if (InTransaction())
        throw Error(QStringLiteral("A transação já está ativa"));
    // A rehearsal keeps no undo log of its own: its end throws all of it away at once instead of
    // taking back each row it wrote. The savepoints it marks keep theirs.
    static const unsigned char rehearsing[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_concurrency,
                                               isc_tpb_wait, isc_tpb_no_auto_undo};
    try {
        fb::Status status;
        handle_.reset(rehearsal_ ? Database().Attachment()->startTransaction(
                                       &status, sizeof rehearsing, rehearsing)
                                 : Database().Attachment()->startTransaction(&status, 0, nullptr));
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
}

void TargetTransaction::Commit() {
    if (!InTransaction())
        throw Error(QStringLiteral("A transação não está ativa"));
    if (rehearsal_)
        return;
    try {
        fb::Status status;
        handle_->commit(&status);
        (void)handle_.release(); // a successful commit releases the interface
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
}

void TargetTransaction::Rollback() {
    if (!InTransaction())
        throw Error(QStringLiteral("A transação não está ativa"));
    ++rollbacks_;
    try {
        fb::Status status;
        handle_->rollback(&status);
        (void)handle_.release(); // so does a successful rollback
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
}

void TargetTransaction::Mark() {
    // A savepoint of the same name replaces the one before.
    ExecuteInTransaction(QStringLiteral("SAVEPOINT VORLANDA_MARCA"));
}

void TargetTransaction::UndoToMark() {
    ++rollbacks_;
    ExecuteInTransaction(QStringLiteral("ROLLBACK TO SAVEPOINT VORLANDA_MARCA"));
}

void TargetTransaction::ExecuteInTransaction(const QString& statement) {
    // Prepared once per connection: a check marks every row.
    const std::shared_ptr<PreparedStatement> prepared = Database().Prepare(statement);
    try {
        fb::Status status;
        prepared->handle->execute(&status, Current(), nullptr, nullptr, nullptr, nullptr);
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure, statement);
    }
}

Firebird::ITransaction* TargetTransaction::Current() {
    if (!InTransaction())
        StartTransaction();
    return handle_.get();
}

void TargetTransaction::Forget() noexcept {
    if (handle_)
        ++rollbacks_; // the server rolls back what it was given up on
    handle_.reset();
}

TargetDatabase& TargetTransaction::Database() const {
    if (!database_)
        throw Error(QStringLiteral("A transação não tem banco de dados"));
    return *database_;
}

} // namespace vorlanda
