#include "writers/SqlValue.h"

#include "db/NumberText.h"
#include "writers/SqlText.h"

#include <algorithm>
#include <cmath>

namespace vorlanda {

namespace {

// What the literal SqlNumber writes in plain notation reads as, worked out from its digits:
// digits and a point read as an exact decimal, digits alone as an integer. False, with
// `value` untouched, for the exponent notation and for a literal of more than 18 digits.
bool PlainLiteralValue(const SignificantDigits& number, TargetValue& value) {
    constexpr int maxDigits = 18;
    if (number.exponent < -4 || number.exponent >= 15)
        return false;
    qint64 digits = 0;
    for (int i = 0; i < number.count; ++i)
        digits = digits * 10 + (number.digits[i] - '0');
    if (number.negative)
        digits = -digits;
    const int wholeDigits = number.exponent + 1;
    if (number.count <= wholeDigits) {
        for (int i = number.count; i < wholeDigits; ++i)
            digits *= 10;
        value = digits;
        return true;
    }
    // Below 1 the literal starts with "0." and as many zeros as the exponent asks.
    const int scale = number.count - wholeDigits;
    const int written = std::max(wholeDigits, 1) + scale;
    if (written > maxDigits)
        return false;
    value = ExactDecimal{digits, scale};
    return true;
}

} // namespace

QString SqlValue::Rendered() const {
    if (const auto* text = std::get_if<const QString*>(&value_))
        return SqlQuoted(**text);
    if (const auto* number = std::get_if<double>(&value_))
        return SqlNumber(*number);
    if (const auto* integer = std::get_if<qint64>(&value_))
        return SqlInteger(*integer);
    if (const auto* constant = std::get_if<DoubleQuotedText>(&value_))
        return u'"' + constant->text.toString() + u'"';
    return SqlDate(std::get<QDate>(value_));
}

bool SqlValue::BindTo(TargetValue& value) const {
    if (const auto* text = std::get_if<const QString*>(&value_)) {
        value = **text;
        return true;
    }
    if (const auto* date = std::get_if<QDate>(&value_)) {
        value = SqlDateText(*date);
        return true;
    }
    if (const auto* constant = std::get_if<DoubleQuotedText>(&value_)) {
        value = constant->text.toString();
        return true;
    }
    // A whole number below 10^15 is written with all its digits and nothing else, so it reads
    // as itself; any other number is bound as its own literal reads.
    if (const auto* number = std::get_if<double>(&value_)) {
        if (std::trunc(*number) == *number && std::fabs(*number) < 1e15) {
            value = static_cast<qint64>(*number);
            return true;
        }
        if (PlainLiteralValue(SqlNumberDigits(*number), value))
            return true;
    }
    std::optional<TargetValue> literal = NumberLiteralValue(Rendered());
    if (!literal)
        return false;
    value = std::move(*literal);
    return true;
}

} // namespace vorlanda
