#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct st_mysql;
struct st_mysql_res;

namespace vorlanda {

class SourceConnection;

// One column of the current legacy row.
class SourceField {
public:
    SourceField(QString name, bool isDate) : name_(std::move(name)), isDate_(isDate) {}

    const QString& FieldName() const noexcept { return name_; }
    // A zero date ('0000-00-00') or one the calendar has no day for reads as NULL.
    bool IsNull() const noexcept { return !value_.has_value(); }
    // NULL gives an empty text; numbers come as the server writes them.
    QString AsString() const { return value_.value_or(QString()); }
    // NULL gives 0; text with "." or "," as decimal separator is read, any other text raises
    // Error naming the value.
    double AsFloat() const;
    // The day number of the date (day 0 = 30 December 1899, fractions are the time); NULL
    // gives day 0.
    double AsDateTime() const;

private:
    friend class SourceQuery;
    void Assign(const char* bytes, unsigned long length);

    QString name_;
    bool isDate_;
    std::optional<QString> value_;
};

// A SELECT on the legacy database, read forward once as the rows stream in. RecordCount is
// known right after Open (the server counts the rows first).
class SourceQuery {
public:
    SourceQuery();
    ~SourceQuery();
    SourceQuery(const SourceQuery&) = delete;
    SourceQuery& operator=(const SourceQuery&) = delete;

    void SetSQLConnection(SourceConnection* connection);

    const QString& SQL() const noexcept { return sql_; }
    void SetSQL(const QString& text);
    void ClearSQL();
    void AddSQL(const QString& line);

    void Open();
    void Close() noexcept;
    bool Active() const noexcept { return result_ != nullptr; }

    int RecordCount() const noexcept { return recordCount_; }
    bool Eof() const noexcept { return eof_; }
    void Next();

    // Columns are found by name whatever the case.
    const SourceField& FieldByName(const QString& name) const;
    // The same for a name spelt in the code, without making a QString of it for every row.
    const SourceField& FieldByName(QLatin1StringView name) const;

private:
    struct ResultFreer {
        void operator()(st_mysql_res* result) const noexcept;
    };

    void FetchRow();
    int CountRows(st_mysql* handle) const;
    // The driver's error after a failed call; `systemError` is errno as that call left it.
    [[noreturn]] void RaiseFrom(st_mysql* handle, int systemError) const;
    [[noreturn]] void RaiseNoField(const QString& name) const;

    SourceConnection* connection_ = nullptr;
    QString sql_;
    std::unique_ptr<st_mysql_res, ResultFreer> result_;
    st_mysql* handle_ = nullptr; // the connection the rows stream from, while open
    std::vector<SourceField> fields_;
    QHash<QString, std::size_t> fieldsByName_; // as the source spells them
    int recordCount_ = 0;
    bool eof_ = true;
};

} // namespace vorlanda
