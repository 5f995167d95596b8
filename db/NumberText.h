#pragma once

#include <QString>

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

} // namespace vorlanda
