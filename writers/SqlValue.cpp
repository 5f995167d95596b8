#include "writers/SqlValue.h"

#include "db/LiteralParameters.h"
#include "writers/SqlText.h"

#include <cmath>

namespace vorlanda {

QString SqlValue::Rendered() const {
    if (const auto* text = std::get_if<const QString*>(&value_))
        return SqlQuoted(**text);
    if (const auto* number = std::get_if<double>(&value_))
        return SqlNumber(*number);
    if (const auto* integer = std::get_if<qint64>(&value_))
        return SqlInteger(*integer);
    return SqlDate(std::get<QDate>(value_));
}

std::optional<TargetValue> SqlValue::Bound() const {
    if (const auto* text = std::get_if<const QString*>(&value_))
        return **text;
    if (const auto* date = std::get_if<QDate>(&value_)) {
        const QString literal = SqlDate(*date);
        return literal.mid(1, literal.size() - 2);
    }
    // A whole number below 10^15 is written with all its digits and nothing else, so it reads
    // as itself; any other number is bound as its own literal reads.
    if (const auto* number = std::get_if<double>(&value_)) {
        if (std::trunc(*number) == *number && std::fabs(*number) < 1e15)
            return static_cast<qint64>(*number);
    }
    return NumberLiteralValue(Rendered());
}

} // namespace vorlanda
