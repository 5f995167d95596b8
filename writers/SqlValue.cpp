#include "writers/SqlValue.h"

#include "db/LiteralParameters.h"
#include "writers/SqlText.h"

namespace vorlanda {

QString SqlValue::Rendered() const {
    if (const auto* text = std::get_if<QString>(&value_))
        return SqlQuoted(*text);
    if (const auto* number = std::get_if<double>(&value_))
        return SqlNumber(*number);
    if (const auto* integer = std::get_if<qint64>(&value_))
        return SqlInteger(*integer);
    return SqlDate(std::get<QDate>(value_));
}

std::optional<TargetValue> SqlValue::Bound() const {
    if (const auto* text = std::get_if<QString>(&value_))
        return *text;
    if (const auto* date = std::get_if<QDate>(&value_)) {
        const QString literal = SqlDate(*date);
        return literal.mid(1, literal.size() - 2);
    }
    // A number is bound as its own literal reads, so both ways give the same value.
    return NumberLiteralValue(Rendered());
}

} // namespace vorlanda
