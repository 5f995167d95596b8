#pragma once

#include "db/DayNumber.h"
#include "writers/SqlValue.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <string>

namespace vorlanda {

// A column with its value, which is rendered into a statement's text or bound.
struct Column {
    QStringView column; // a literal of the code
    SqlValue value;
};

// One field of a writer's record in the table its statements are made from: how the INSERT
// and the UPDATEs write it, the field that holds its value and what LimpaVariavel gives that
// field. A table lists its columns in the INSERT's order.
template <typename Row> struct TableColumn {
    enum class Kind {
        Text,
        Number,
        Whole,
        // Left out of the INSERT when empty, so that the table's default (NULL) applies; the
        // UPDATE assigns every column and writes NULL.
        OptionalText,
        // A day number, left out of the INSERT when it is the no-date day, which is also its
        // cleared value; the UPDATE writes that day as a date.
        Date,
        // A text constant of the code, the same in every row; no field holds it.
        Constant,
    };

    constexpr TableColumn(const char16_t* insertName, QString Row::*field,
                          const char16_t* clearedText = u"")
        : kind(Kind::Text), insert(insertName), text(field), cleared(clearedText) {}
    constexpr TableColumn(const char16_t* insertName, double Row::*field)
        : kind(Kind::Number), insert(insertName), number(field) {}
    constexpr TableColumn(const char16_t* insertName, qint32 Row::*field)
        : kind(Kind::Whole), insert(insertName), whole(field) {}
    static constexpr TableColumn OptionalText(const char16_t* insertName, QString Row::*field) {
        TableColumn c(insertName, field);
        c.kind = Kind::OptionalText;
        return c;
    }
    static constexpr TableColumn Date(const char16_t* insertName, double Row::*field,
                                      double (*noDateDay)()) {
        TableColumn c(insertName, field);
        c.kind = Kind::Date;
        c.noDate = noDateDay;
        return c;
    }
    static constexpr TableColumn Constant(const char16_t* insertName, const char16_t* value) {
        TableColumn c(insertName, static_cast<QString Row::*>(nullptr));
        c.kind = Kind::Constant;
        c.constant = value;
        return c;
    }
    // Assigned at `at` in the UPDATE, spelled `spelling` there when not as in the INSERT.
    constexpr TableColumn Updated(int at, const char16_t* spelling = nullptr) const {
        TableColumn c = *this;
        c.updateAt = at;
        c.update = spelling ? spelling : insert;
        return c;
    }
    // Assigned at `at` in the writer's second UPDATE, spelled as in the first.
    constexpr TableColumn InSecondUpdate(int at) const {
        TableColumn c = *this;
        c.secondUpdateAt = at;
        return c;
    }
    // Left alone by LimpaVariavel.
    constexpr TableColumn Kept() const {
        TableColumn c = *this;
        c.kept = true;
        return c;
    }
    // Given what `clearedText` works out on each reset instead of a literal.
    constexpr TableColumn ClearedBy(QString (*clearedText)()) const {
        TableColumn c = *this;
        c.clearedBy = clearedText;
        return c;
    }
    // Followed in the INSERT's value list by `punctuation` instead of ", ".
    constexpr TableColumn FollowedBy(const char16_t* punctuation) const {
        TableColumn c = *this;
        c.separator = punctuation;
        return c;
    }

    bool Inserted() const { return insert != nullptr; }
    bool Optional() const { return kind == Kind::OptionalText || kind == Kind::Date; }
    // Whether the INSERT writes it. Only the exact no-date day means "no date": a time of day
    // on that day is written.
    bool Present(const Row& r) const {
        if (kind == Kind::OptionalText)
            return !(r.*text).isEmpty();
        return kind != Kind::Date || r.*number != noDate();
    }
    SqlValue Value(const Row& r) const {
        switch (kind) {
        case Kind::Number:
            return SqlValue::Number(r.*number);
        case Kind::Whole:
            return SqlValue::Integer(r.*whole);
        case Kind::Date:
            return SqlValue::Date(DateFromDayNumber(r.*number));
        case Kind::Constant:
            return SqlValue::DoubleQuoted(constant);
        case Kind::Text:
        case Kind::OptionalText:
            break;
        }
        return SqlValue::Quoted(r.*text);
    }
    // The UPDATE writes an unknown optional text as NULL.
    bool NullInUpdate(const Row& r) const {
        return kind == Kind::OptionalText && (r.*text).isEmpty();
    }
    void Reset(Row& r) const {
        if (kept)
            return;
        switch (kind) {
        case Kind::Number:
            r.*number = 0;
            break;
        case Kind::Date:
            r.*number = noDate();
            break;
        case Kind::Whole:
            r.*whole = 0;
            break;
        case Kind::Constant:
            break;
        case Kind::Text:
        case Kind::OptionalText:
            if (clearedBy) {
                r.*text = clearedBy();
                break;
            }
            // The cleared texts are literals of the code, shared rather than copied.
            r.*text = *cleared ? QString::fromRawData(reinterpret_cast<const QChar*>(cleared),
                                                      std::char_traits<char16_t>::length(cleared))
                               : QString();
            break;
        }
    }

    Kind kind;
    // As the INSERT writes it, null when the INSERT leaves it out; an optional column of PRODUTO
    // with the punctuation that follows it there.
    const char16_t* insert;
    QString Row::*text = nullptr;
    double Row::*number = nullptr;
    qint32 Row::*whole = nullptr;
    const char16_t* cleared = u"";
    QString (*clearedBy)() = nullptr;
    const char16_t* constant = nullptr;
    const char16_t* separator = u", ";
    // Read when used: a day number worked out during static initialisation could come before
    // the calendar it depends on.
    double (*noDate)() = nullptr;
    bool kept = false;
    int updateAt = -1;
    const char16_t* update = nullptr;
    int secondUpdateAt = -1;
};

// The table's index of each column an UPDATE assigns, in that UPDATE's order; `at` tells which
// UPDATE.
template <std::size_t N, typename Row, std::size_t Count>
std::array<std::size_t, N> StatementOrder(const TableColumn<Row> (&all)[Count],
                                          int TableColumn<Row>::*at) {
    std::array<std::size_t, N> order{};
    for (std::size_t i = 0; i < Count; ++i) {
        if (all[i].*at >= 0)
            order.at(static_cast<std::size_t>(all[i].*at)) = i;
    }
    return order;
}

// Which optional columns the INSERT writes, one bit each in the table's order.
template <typename Row, std::size_t Count>
unsigned PresentOptional(const TableColumn<Row> (&all)[Count], const Row& r) {
    unsigned present = 0;
    unsigned bit = 1;
    for (const TableColumn<Row>& c : all) {
        if (!c.Optional())
            continue;
        if (c.Present(r))
            present |= bit;
        bit <<= 1;
    }
    return present;
}

// Calls `write(index, column)` for each column the INSERT writes, in the table's order.
template <typename Row, std::size_t Count, typename Write>
void ForEachInserted(const TableColumn<Row> (&all)[Count], unsigned present, Write write) {
    unsigned bit = 1;
    for (std::size_t i = 0; i < Count; ++i) {
        const TableColumn<Row>& c = all[i];
        if (!c.Inserted())
            continue;
        if (c.Optional()) {
            const bool there = present & bit;
            bit <<= 1;
            if (!there)
                continue;
        }
        write(i, c);
    }
}

} // namespace vorlanda
