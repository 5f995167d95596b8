#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace vorlanda {

class TargetDatabase;
class TargetTransaction;

// The codes one kind of reference lookup has already answered, by what it was asked. A
// conversion asks the same few questions for thousands of rows, and each answer is a search
// on the server. During a run only the lookup itself writes its reference table, so an answer
// holds until the table changes: before a lookup creates a row it forgets the answers the new
// row could change, and everything is forgotten when the target's transaction rolls back,
// since that may take created rows away.
class LookupMemo {
public:
    explicit LookupMemo(const TargetDatabase& database) : database_(database) {}

    std::optional<QString> Find(const QString& question);
    void Remember(const QString& question, const QString& code);
    void Forget() noexcept;

private:
    void ForgetAfterRollback();

    const TargetDatabase& database_;
    QHash<QString, QString> codes_;
    const TargetTransaction* transaction_ = nullptr;
    unsigned long long rollbacks_ = 0;
};

} // namespace vorlanda
