#pragma once

#include <QString>

namespace vorlanda {

class Error;
class TargetTransaction;

// While one is installed on the run's thread, the import loop rehearses its rows instead of
// stopping at the first that fails: each row is marked before it is converted, and a row that
// fails is taken back to its mark and noted in the tally as a problem, with its legacy key, the
// values that caused it and the reason in Portuguese; the walk goes on with the next row.
class RowCheck {
public:
    explicit RowCheck(TargetTransaction& transaction) noexcept;
    ~RowCheck();
    RowCheck(const RowCheck&) = delete;
    RowCheck& operator=(const RowCheck&) = delete;

    void RowStarts();
    // `message` is what the conversion would end with; `collision`, when a repeated key was
    // traced to its legacy rows, the line that says so.
    void RowFailed(const Error& error, const QString& key, const QString& message,
                   const QString& collision);

private:
    TargetTransaction& transaction_;
    RowCheck* previous_;
};

// The check installed on this thread, if any.
RowCheck* CurrentRowCheck() noexcept;

// Why the target or the conversion refuses a row, in Portuguese: the conversion's own
// message when it is one of ours, else what the engine's error means.
QString ProblemReason(const Error& error);

} // namespace vorlanda
