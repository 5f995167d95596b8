#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <vector>

namespace vorlanda {

// An SQL text literal: the value between apostrophes, each inner apostrophe doubled; never NULL.
QString SqlQuoted(const QString& text);

// A double as unquoted SQL: 15 significant digits, shortest form, "." as decimal separator,
// plain notation for zero and magnitudes in [1E-4, 1E15), otherwise "1.5E-7" style. The same
// text on every machine. NaN and infinity raise Error.
QString SqlNumber(double value);

// What SqlNumber writes for a non-zero double, before it is laid out: the sign, the
// significant digits without trailing zeros, and the power of ten of the first digit.
struct SignificantDigits {
    bool negative = false;
    char digits[15] = {};
    int count = 0;
    int exponent = 0;
};
SignificantDigits SqlNumberDigits(double value);

// Plain decimal with a leading "-" when negative, unquoted.
QString SqlInteger(qint64 value);

// The date as the text literal 'dd.mm.yyyy'. An invalid date, or one outside the years 1 to
// 9999, raises Error.
QString SqlDate(const QDate& date);
// The same without the apostrophes: 'dd.mm.yyyy' as the text it stands for.
QString SqlDateText(const QDate& date);

// The pieces one after another, written once into a text of their total size: the row
// statements are built from a few hundred pieces for every row.
QString Concatenated(const std::vector<QStringView>& pieces);

// Appends the text piece of each item, with `separator` between two of them.
template <typename Items, typename Piece>
void AppendJoined(std::vector<QStringView>& pieces, const Items& items, QStringView separator,
                  Piece piece) {
    bool first = true;
    for (const auto& item : items) {
        if (!first)
            pieces.push_back(separator);
        first = false;
        pieces.push_back(piece(item));
    }
}

// An INSERT's shape with bound values: the text up to and including the bracket that opens
// its value list, then `count` parameters, as LiteralsToParameters writes them.
QString ParameterShape(std::vector<QStringView> head, std::size_t count);

} // namespace vorlanda
