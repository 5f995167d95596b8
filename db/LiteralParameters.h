#pragma once

#include "db/TargetValue.h"

#include <QString>
#include <optional>
#include <vector>

namespace vorlanda {

// An INSERT whose VALUES list holds literals, turned into the same INSERT with a "?" in
// place of each literal and the literal's value to bind there. Statements that differ only
// in their values then share one shape, which the server prepares once.
struct ParameterisedStatement {
    QString sql;
    std::vector<TargetValue> values;
};

// Only an "INSERT ... VALUES (...)" whose list items are all plain literals ('text',
// "text", numbers) or NULL qualifies; anything else (no literal, an expression, a
// parameter, text after the list) gives nothing and is run as written. Binding a literal's
// value to a column is the same assignment the server makes for the literal itself.
std::optional<ParameterisedStatement> LiteralsToParameters(const QString& sql);

} // namespace vorlanda
