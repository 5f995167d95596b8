#pragma once

#include "writers/TextRules.h"
#include "writers/ValueHelpers.h"

#include <QString>

namespace vorlanda {

// The cuts the writers' setters apply to a value, as functions of the value alone so that a
// setter can hand them on as steps.

// The first N characters as given.
template <int N> QString First(const QString& value) {
    return Left(value, N);
}

// Trimmed, then the first N characters.
template <int N> QString TrimmedFirst(const QString& value) {
    return Left(Trim(value), N);
}

// The mask removed, then the first N characters.
template <int N> QString UnmaskedFirst(const QString& value) {
    return Left(TiraMascara(value), N);
}

} // namespace vorlanda
