#include "writers/LookupMemo.h"

#include "db/TargetDatabase.h"
#include "db/TargetTransaction.h"

namespace vorlanda {

std::optional<QString> LookupMemo::Find(const QString& question) {
    ForgetAfterRollback();
    const auto known = codes_.constFind(question);
    if (known == codes_.constEnd())
        return std::nullopt;
    return known.value();
}

void LookupMemo::Remember(const QString& question, const QString& code) {
    ForgetAfterRollback();
    codes_.insert(question, code);
}

void LookupMemo::Forget() noexcept {
    codes_.clear();
}

void LookupMemo::ForgetAfterRollback() {
    const TargetTransaction* transaction = database_.DefaultTransaction();
    const unsigned long long rollbacks = transaction ? transaction->Rollbacks() : 0;
    if (transaction != transaction_ || rollbacks != rollbacks_) {
        Forget();
        transaction_ = transaction;
        rollbacks_ = rollbacks;
    }
}

} // namespace vorlanda
