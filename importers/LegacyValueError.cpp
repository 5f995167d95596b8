#include "importers/LegacyValueError.h"

namespace vorlanda {

LegacyValueError::LegacyValueError(const Error& cause, QString values)
    : Error(cause.Message(), cause.Code(), cause.Sql()), values_(std::move(values)) {}

QString ColumnValue(const QString& column, const QString& value) {
    return QStringLiteral("coluna %1: '%2'").arg(column, value);
}

} // namespace vorlanda
