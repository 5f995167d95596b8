#pragma once

#include "db/TargetValue.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <variant>
#include <vector>

namespace vorlanda {

// One value of a row statement, kept as what it is rather than as its SQL text: rendered, it
// is the literal the statement's text shows (SqlQuoted, SqlNumber, SqlInteger, SqlDate);
// bound, it is the value that literal stands for, as LiteralsToParameters reads it.
class SqlValue {
public:
    // The text is not copied: it must outlive the value, which lives while one statement is
    // being made. A temporary is refused.
    static SqlValue Quoted(const QString& text) { return SqlValue(&text); }
    static SqlValue Quoted(const QString&& text) = delete;
    static SqlValue Number(double value) { return SqlValue(value); }
    static SqlValue Integer(qint64 value) { return SqlValue(value); }
    static SqlValue Date(const QDate& date) { return SqlValue(date); }
    // A text constant of the code written between double quotes, which the target's dialect 1
    // reads as a text; it holds no double quote.
    static SqlValue DoubleQuoted(QStringView text) { return SqlValue(DoubleQuotedText{text}); }

    QString Rendered() const;
    // Sets `value` to the bound value; false when the literal keeps its statement as written
    // (a number of more than 18 digits). A value that cannot be rendered raises the same Error
    // here.
    bool BindTo(TargetValue& value) const;

private:
    struct DoubleQuotedText {
        QStringView text;
    };
    using Value = std::variant<const QString*, double, qint64, QDate, DoubleQuotedText>;
    explicit SqlValue(Value value) : value_(std::move(value)) {}

    Value value_;
};

// Appends the bound value of each item (`value` gives an item's SqlValue); false, with the
// values of no use, when one keeps its statement as written.
template <typename Items, typename ValueOf>
bool AppendBound(std::vector<TargetValue>& values, const Items& items, ValueOf value) {
    values.reserve(values.size() + std::size(items));
    for (const auto& item : items) {
        if (!value(item).BindTo(values.emplace_back()))
            return false;
    }
    return true;
}

} // namespace vorlanda
