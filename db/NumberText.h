#pragma once

#include "db/TargetValue.h"

#include <QString>
#include <optional>

namespace vorlanda {

// Reads a plain decimal number: optional sign, digits, at most one "." or "," as decimal
// separator, an optional exponent ("1e-05"). Anything else (blanks, "nan", "inf", hex,
// thousands separators) raises Error naming the value, so such text never becomes a number.
double ParseDecimal(const QString& text);

// Raises the error ParseDecimal raises for text that is no number, naming the text.
[[noreturn]] void ThrowNotADecimal(const QString& text);

// Reads a whole decimal number (optional sign, digits only, leading zeros allowed); anything
// else, or a value outside 32 bits, raises Error naming the value.
int ParseInteger(const QString& text);

// The value a number literal stands for, in the server's own kind: whole numbers as integers,
// numbers with a decimal point as exact decimals (so "12.5" stays "12.5" wherever it goes),
// numbers with an exponent as floating point. Nothing for longer numbers (more than 18
// digits) or text that is not a number.
std::optional<TargetValue> NumberLiteralValue(QStringView item);

} // namespace vorlanda
