#include "db/Error.h"

namespace vorlanda {

Error::Error(const QString& message, long code, QString sql)
    : std::runtime_error(message.toStdString()), code_(code), sql_(std::move(sql)) {}

} // namespace vorlanda
