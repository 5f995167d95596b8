#pragma once

#include <QString>
#include <algorithm>

namespace vorlanda {

// Removes every character with a code of 32 or less (blanks, control characters) at both ends.
QString Trim(const QString& text);

// Every letter that has a capital in WIN1252, the target's character set, turned into it: "a" to
// "z", the accented letters ("ã" to "Ã", "é" to "É", "ÿ" to "Ÿ"), "š", "ž" and "œ". Letters
// without such a capital ("ß", "µ") and every other character stay as they are.
QString UpperCase(const QString& text);

// Up to count characters from the 1-based position pos; shorter when the text ends first, and
// a position below 1 counts as 1 without shortening the count.
QString Copy(const QString& text, qsizetype pos, qsizetype count);

// The first n characters, at most. A cut is noted against the column a setter fills.
QString Left(const QString& text, qsizetype n);

// The last n characters, at most, noted as Left notes a cut.
QString Right(const QString& text, qsizetype n);

// The text with `map` (from char16_t to char16_t) applied to each character. A text none of
// whose characters change is handed back shared, not copied: most values pass a cleaning step
// unchanged.
template <typename Map> QString MappedChars(const QString& text, Map map) {
    const auto changes = [&map](QChar c) { return map(c.unicode()) != c.unicode(); };
    const auto first = std::find_if(text.cbegin(), text.cend(), changes);
    if (first == text.cend())
        return text;
    QString result = text;
    for (auto c = result.begin() + (first - text.cbegin()); c != result.end(); ++c)
        *c = QChar(map(c->unicode()));
    return result;
}

} // namespace vorlanda
