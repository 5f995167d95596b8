#pragma once

#include "db/TargetValue.h"

#include <QString>
#include <vector>

namespace vorlanda {

// A statement with a "?" for each value and the values to bind there, in order. Statements
// that differ only in their values share one text, which the server prepares once.
struct ParameterisedStatement {
    QString sql;
    std::vector<TargetValue> values;
};

} // namespace vorlanda
