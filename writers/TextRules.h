#pragma once

#include <QString>

namespace vorlanda {

// Removes every character with a code of 32 or less (blanks, control characters) at both ends.
QString Trim(const QString& text);

// Turns only the letters "a" to "z" into "A" to "Z"; accented letters stay as they are.
QString UpperAscii(const QString& text);

// Up to count characters from the 1-based position pos; shorter when the text ends first, and
// a position below 1 counts as 1 without shortening the count.
QString Copy(const QString& text, qsizetype pos, qsizetype count);

// The first n characters, at most.
QString Left(const QString& text, qsizetype n);

} // namespace vorlanda
