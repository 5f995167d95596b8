#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <map>
#include <vector>

namespace vorlanda {

// A legacy column and its value as read.
struct LegacyValue {
    QString column;
    QString value;
};

// A legacy row a conversion would fail on, or a step of it that would fail (no key then).
struct RowProblem {
    QString key;                     // the value of the legacy row's key column
    std::vector<LegacyValue> values; // what caused it, where one value or a few did
    QString reason;                  // in Portuguese, for the operator
    QString message;                 // the message the conversion would end with
};

// What one table's conversion did besides writing its rows: the legacy rows it read, the rows
// it passed over and why, the reference rows it created and the values it cut to fit their
// columns. The importers and writers note into the tally installed for the table that runs;
// with none installed (outside a run) nothing is noted.
class ConversionTally {
public:
    struct Cut {
        int count = 0;
        QString example; // the first value cut, as the writer had it before cutting
        QString kept;    // what the column got of it
    };
    struct Created {
        int count = 0;
        QStringList values; // in the order they were created
    };

    int Read() const noexcept { return read_; }
    // Rows passed over, per reason.
    const std::map<QString, int>& Skipped() const noexcept { return skipped_; }
    // Rows created, per reference table.
    const std::map<QString, Created>& CreatedRows() const noexcept { return created_; }
    // Values cut, per "TABLE.COLUMN".
    const std::map<QString, Cut>& Cuts() const noexcept { return cuts_; }
    // What a check found the conversion would fail on, in the order of the legacy rows.
    const std::vector<RowProblem>& Problems() const noexcept { return problems_; }

    void NoteRead() noexcept { ++read_; }
    void NoteSkipped(const QString& reason);
    void NoteCreated(const QString& table, const QString& value);
    void NoteCut(const QString& column, const QString& value, const QString& kept);
    void NoteProblem(RowProblem problem) { problems_.push_back(std::move(problem)); }
    // A check starts a row that may be taken back; until the next one starts, what is created
    // or cut is remembered as the row's.
    void RowStarts() noexcept;
    // The row was taken back: what it created or cut no longer counts.
    void RowTakenBack();

private:
    int read_ = 0;
    std::map<QString, int> skipped_;
    std::map<QString, Created> created_;
    std::map<QString, Cut> cuts_;
    std::vector<RowProblem> problems_;
    bool rowOpen_ = false;
    std::vector<QString> rowCreated_; // the tables, once per row created
    std::vector<QString> rowCuts_;    // the columns, once per value cut
};

// Installs a tally for this thread for its own lifetime and puts the previous one back after;
// a null tally stops the noting, for work that only looks at rows again.
class TallyScope {
public:
    explicit TallyScope(ConversionTally* tally) noexcept;
    ~TallyScope();
    TallyScope(const TallyScope&) = delete;
    TallyScope& operator=(const TallyScope&) = delete;

private:
    ConversionTally* previous_;
};

// Names the target column ("PRODUTO.DESCRICAO") that the value a setter works out goes into,
// for the setter's lifetime: the first cut made meanwhile is noted against that column, so a
// value cut in several steps counts once.
class FilledColumn {
public:
    explicit FilledColumn(const char16_t* column) noexcept;
    ~FilledColumn();
    FilledColumn(const FilledColumn&) = delete;
    FilledColumn& operator=(const FilledColumn&) = delete;

private:
    friend void NoteValueCut(const QString& value, const QString& kept);

    const char16_t* column_;
    FilledColumn* previous_;
    bool cut_ = false;
};

// Notes into the installed tally, if any.
void NoteRowRead() noexcept;
void NoteRowSkipped(const QString& reason);
void NoteRowCreated(const QString& table, const QString& value);
void NoteRowProblem(RowProblem problem);
void NoteRowStarts() noexcept;
void NoteRowTakenBack();
// A value cut to `kept` while a setter names its column.
void NoteValueCut(const QString& value, const QString& kept);

} // namespace vorlanda
