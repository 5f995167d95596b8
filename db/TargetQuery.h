#pragma once

#include "db/ParameterisedStatement.h"
#include "db/TargetValue.h"
#include "db/internal/StatementParameters.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vorlanda {

class TargetDatabase;
class TargetTransaction;
struct PreparedStatement;

// A statement on the target connection, run in the connection's default transaction
// (started first when none is in progress). Named parameters are bound by name; a SELECT
// is read whole on Open, so a later commit never cuts a result short.
class TargetQuery {
public:
    explicit TargetQuery(TargetDatabase& database);
    ~TargetQuery();
    TargetQuery(const TargetQuery&) = delete;
    TargetQuery& operator=(const TargetQuery&) = delete;

    // Replacing, clearing or extending the text closes the query and rebuilds its
    // parameters (all NULL again).
    const QString& SQL() const noexcept { return sql_; }
    void SetSQL(const QString& text);
    void ClearSQL();
    void AddSQL(const QString& line);

    TargetParam& ParamByName(const QString& name);

    void Open();
    // Both run a statement handed over with a "?" for each value and the values to bind there, as
    // the writers and lookups do row after row: the statement is prepared once for all the
    // rows that share its text. Without a bound form, or if the bound statement fails, the
    // text from `written` (the same statement with its values written in) runs as ExecSQL or
    // Open runs it, with its own outcome and message. SQL() is empty afterwards unless the
    // text was needed.
    void ExecBound(std::optional<ParameterisedStatement> bound,
                   const std::function<QString()>& written);
    void OpenBound(std::optional<ParameterisedStatement> bound,
                   const std::function<QString()>& written);
    // Runs any other statement. "COMMIT" (or "Commit;") commits the transaction in
    // progress and "ROLLBACK" rolls it back; either leaves no transaction in progress.
    void ExecSQL();
    void Close() noexcept;

    bool Active() const noexcept { return active_; }
    bool IsEmpty() const;
    bool Eof() const;
    void Next();

    // Columns are found by name whatever the case; reading a column of an empty result
    // gives NULL.
    const TargetField& FieldByName(const QString& name) const;
    const TargetField* FindField(const QString& name) const;
    int FieldCount() const noexcept { return static_cast<int>(fields_.size()); }
    const TargetField& Field(int index) const {
        return fields_.at(static_cast<std::size_t>(index));
    }

    // For the connection: drops the prepared statement (before a disconnect) or forgets
    // the connection itself (when it is destroyed first).
    void Unprepare() noexcept;
    void DetachFromDatabase() noexcept;

private:
    void TextChanged();
    PreparedStatement& Prepared();
    const std::vector<const TargetValue*>& MarkerValues();
    // Runs `bound` (opening it as a search when `open`); false when there is none or it failed.
    bool RunBound(std::optional<ParameterisedStatement>& bound, bool open);
    void Fetch(PreparedStatement& statement, const std::vector<const TargetValue*>& values);
    void Execute(PreparedStatement& statement, const std::vector<const TargetValue*>& values);
    TargetTransaction& Transaction() const;
    // The result's columns, by the prepared statement, and the fields set to its first row.
    void NameFields();
    void StartAtFirstRow();
    void PointFieldsAtCurrentRow();

    TargetDatabase* database_;
    QString sql_;
    PositionalStatement positional_;
    std::vector<TargetParam> params_;
    std::shared_ptr<PreparedStatement> statement_;
    std::vector<std::size_t> paramOfMarker_; // for each "?" of a named-parameter statement
    ParameterisedStatement bound_;           // the statement and values of the last bound run
    std::vector<const TargetValue*> markerValues_;
    bool active_ = false;
    std::vector<TargetField> fields_;
    std::vector<std::vector<TargetValue>> rows_;
    std::size_t current_ = 0;
};

} // namespace vorlanda
