#include "writers/TextRules.h"

#include "writers/ConversionTally.h"

#include <algorithm>

namespace vorlanda {

QString Trim(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QString UpperCase(const QString& text) {
    return MappedChars(text, [](char16_t c) -> char16_t {
        if ((c >= u'a' && c <= u'z') || (c >= u'à' && c <= u'þ' && c != u'÷'))
            return static_cast<char16_t>(c - 0x20);
        switch (c) {
        case u'ÿ':
            return u'Ÿ';
        case u'š':
            return u'Š';
        case u'ž':
            return u'Ž';
        case u'œ':
            return u'Œ';
        default:
            return c;
        }
    });
}

QString Copy(const QString& text, qsizetype pos, qsizetype count) {
    const qsizetype start = std::max<qsizetype>(pos, 1) - 1;
    if (count <= 0 || start >= text.size())
        return {};
    return text.mid(start, std::min(count, text.size() - start));
}

QString Left(const QString& text, qsizetype n) {
    if (text.size() <= std::max<qsizetype>(n, 0))
        return text;
    const QString kept = Copy(text, 1, n);
    NoteValueCut(text, kept);
    return kept;
}

QString Right(const QString& text, qsizetype n) {
    if (text.size() <= std::max<qsizetype>(n, 0))
        return text;
    const QString kept = n > 0 ? text.right(n) : QString();
    NoteValueCut(text, kept);
    return kept;
}

} // namespace vorlanda
