#include "importers/LegacyValueError.h"

#include <QStringList>

namespace vorlanda {

LegacyValueError::LegacyValueError(const Error& cause, std::vector<LegacyValue> values)
    : Error(cause.Message(), cause.Code(), cause.Sql()), values_(std::move(values)) {}

QString LegacyValueError::ValuesText() const {
    QStringList texts;
    for (const LegacyValue& value : values_)
        texts.append(QStringLiteral("coluna %1: '%2'").arg(value.column, value.value));
    return texts.join(QStringLiteral(", "));
}

} // namespace vorlanda
