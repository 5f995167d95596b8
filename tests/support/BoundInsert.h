#pragma once

#include "db/ParameterisedStatement.h"

#include <QString>
#include <optional>

// Expects a writer's bound INSERT or UPDATE to be the one its text reads as: the same shape and
// the same values, or neither when the text has to run as written.
void ExpectBoundAsTheTextReads(const std::optional<vorlanda::ParameterisedStatement>& bound,
                               const QString& text);
