#pragma once

#include <QString>
#include <memory>

namespace Firebird {
class ITransaction;
}

namespace vorlanda {

class TargetDatabase;

// The one transaction of the target connection, in the server's default kind. Every query
// bound to the connection runs in it.
class TargetTransaction {
public:
    TargetTransaction() = default;
    ~TargetTransaction();
    TargetTransaction(const TargetTransaction&) = delete;
    TargetTransaction& operator=(const TargetTransaction&) = delete;

    TargetDatabase* DefaultDatabase() const noexcept { return database_; }
    void SetDefaultDatabase(TargetDatabase* database);

    bool InTransaction() const noexcept { return handle_ != nullptr; }
    bool Active() const noexcept { return InTransaction(); }
    // Active true starts a transaction unless one is in progress; false rolls it back.
    void SetActive(bool active);
    void StartTransaction();
    // Ends the transaction keeping what it wrote; while rehearsing, does nothing.
    void Commit();
    void Rollback();

    // While a run is rehearsed, nothing it writes is kept: every commit, the transaction's own
    // or a "COMMIT" statement's, leaves the transaction going, so that the closing Rollback()
    // takes back all of it. A transaction started while rehearsing keeps no undo log of its
    // own, so that rolling it back costs next to nothing.
    void SetRehearsal(bool rehearsal) noexcept { rehearsal_ = rehearsal; }
    bool Rehearsal() const noexcept { return rehearsal_; }
    // Marks the point UndoToMark() goes back to, in place of the mark before; starts the
    // transaction if none is going.
    void Mark();
    // Takes back what was written since the last Mark(), and nothing before it; counts as a
    // rollback for whoever remembers what was written.
    void UndoToMark();
    // How many rollbacks this transaction object has done: whoever remembers what the
    // transaction wrote can tell when that may have been taken back.
    unsigned long long Rollbacks() const noexcept { return rollbacks_; }

    // For the queries of this layer: the transaction in progress, started first if none is.
    Firebird::ITransaction* Current();
    // Lets go of a transaction whose connection is already gone, without asking the server.
    void Forget() noexcept;

private:
    TargetDatabase& Database() const;
    void ExecuteInTransaction(const QString& statement);

    // Released unless a commit or rollback, which release it themselves, succeeded.
    struct Releaser {
        void operator()(Firebird::ITransaction* handle) const noexcept;
    };

    TargetDatabase* database_ = nullptr;
    std::unique_ptr<Firebird::ITransaction, Releaser> handle_;
    unsigned long long rollbacks_ = 0;
    bool rehearsal_ = false;
};

} // namespace vorlanda
