#include "db/TargetTransaction.h"

#include "db/FirebirdApi.h"
#include "db/TargetDatabase.h"

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

void TargetTransaction::SetActive(bool active) {
    if (active && !InTransaction())
        StartTransaction();
    else if (!active && InTransaction())
        Rollback();
}

void TargetTransaction::StartTransaction() {
    if (InTransaction())
        throw Error(QStringLiteral("A transação já está ativa"));
    try {
        fb::Status status;
        handle_ = Database().Attachment()->startTransaction(&status, 0, nullptr);
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
}

void TargetTransaction::Commit() {
    if (!InTransaction())
        throw Error(QStringLiteral("A transação não está ativa"));
    try {
        fb::Status status;
        handle_->commit(&status);
        handle_ = nullptr; // a successful commit releases the interface
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
        handle_ = nullptr;
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
}

Firebird::ITransaction* TargetTransaction::Current() {
    if (!InTransaction())
        StartTransaction();
    return handle_;
}

void TargetTransaction::Forget() noexcept {
    if (handle_) {
        ++rollbacks_; // the server rolls back what it was given up on
        handle_->release();
    }
    handle_ = nullptr;
}

TargetDatabase& TargetTransaction::Database() const {
    if (!database_)
        throw Error(QStringLiteral("A transação não tem banco de dados"));
    return *database_;
}

} // namespace vorlanda
