#include "writers/ConversionTally.h"

namespace vorlanda {

namespace {

// A run converts on one thread; another thread's run (a test's) notes into its own tally.
thread_local ConversionTally* installed = nullptr;
thread_local FilledColumn* filledColumn = nullptr;

} // namespace

void ConversionTally::NoteSkipped(const QString& reason) {
    ++skipped_[reason];
}

void ConversionTally::NoteCreated(const QString& table, const QString& value) {
    Created& created = created_[table];
    ++created.count;
    created.values.append(value);
    if (rowOpen_)
        rowCreated_.push_back(table);
}

void ConversionTally::NoteCut(const QString& column, const QString& value, const QString& kept) {
    Cut& cut = cuts_[column];
    if (cut.count++ == 0) {
        cut.example = value;
        cut.kept = kept;
    }
    if (rowOpen_)
        rowCuts_.push_back(column);
}

void ConversionTally::RowStarts() noexcept {
    rowOpen_ = true;
    rowCreated_.clear();
    rowCuts_.clear();
}

void ConversionTally::RowTakenBack() {
    for (const QString& table : rowCreated_) {
        const auto created = created_.find(table);
        created->second.values.removeLast();
        if (--created->second.count == 0)
            created_.erase(created);
    }
    // A column's example is its first cut, so a column whose count drops to nothing goes.
    for (const QString& column : rowCuts_) {
        const auto cut = cuts_.find(column);
        if (--cut->second.count == 0)
            cuts_.erase(cut);
    }
    rowCreated_.clear();
    rowCuts_.clear();
}

TallyScope::TallyScope(ConversionTally* tally) noexcept : previous_(installed) {
    installed = tally;
}

TallyScope::~TallyScope() {
    installed = previous_;
}

FilledColumn::FilledColumn(const char16_t* column) noexcept
    : column_(column), previous_(filledColumn) {
    filledColumn = this;
}

FilledColumn::~FilledColumn() {
    filledColumn = previous_;
}

void NoteRowRead() noexcept {
    if (installed)
        installed->NoteRead();
}

void NoteRowSkipped(const QString& reason) {
    if (installed)
        installed->NoteSkipped(reason);
}

void NoteRowCreated(const QString& table, const QString& value) {
    if (installed)
        installed->NoteCreated(table, value);
}

void NoteRowProblem(RowProblem problem) {
    if (installed)
        installed->NoteProblem(std::move(problem));
}

void NoteRowStarts() noexcept {
    if (installed)
        installed->RowStarts();
}

void NoteRowTakenBack() {
    if (installed)
        installed->RowTakenBack();
}

void NoteValueCut(const QString& value, const QString& kept) {
    if (!installed || !filledColumn || filledColumn->cut_)
        return;
    filledColumn->cut_ = true;
    installed->NoteCut(QString::fromUtf16(filledColumn->column_), value, kept);
}

} // namespace vorlanda
