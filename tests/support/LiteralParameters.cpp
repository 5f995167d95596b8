#include "support/LiteralParameters.h"

#include "db/NumberText.h"

#include <algorithm>
#include <string_view>

namespace vorlanda {

namespace {

// The characters of a statement, read in place (utf16() would copy a string it does not own).
const char16_t* Chars(const QString& sql) {
    return reinterpret_cast<const char16_t*>(sql.constData());
}

bool IsSpace(QChar c) {
    return c.unicode() <= u' ';
}

// The index just past the quoted literal starting at `start`, or -1 when it never closes.
// `doubled` tells whether the literal holds its quote doubled.
qsizetype EndOfQuoted(const QString& sql, qsizetype start, bool* doubled = nullptr) {
    const char16_t* const text = Chars(sql);
    const char16_t quote = text[start];
    for (qsizetype i = start + 1; i < sql.size(); ++i) {
        if (text[i] != quote)
            continue;
        if (i + 1 < sql.size() && text[i + 1] == quote) {
            ++i;
            if (doubled)
                *doubled = true;
        } else {
            return i + 1;
        }
    }
    return -1;
}

bool IsWordCharacter(char16_t c) {
    return QChar(c).isLetterOrNumber();
}

// Whether `text` starts with `upperWord` (ASCII capitals), whatever the case.
bool StartsWithWord(QStringView text, std::u16string_view upperWord) {
    if (text.size() < static_cast<qsizetype>(upperWord.size()))
        return false;
    for (std::size_t i = 0; i < upperWord.size(); ++i) {
        if ((text.utf16()[i] & ~0x20u) != upperWord[i])
            return false;
    }
    return true;
}

// Whether the word at `at` is `upperWord`, whatever the case.
bool IsWordAt(const QString& sql, qsizetype at, std::u16string_view upperWord) {
    if (!StartsWithWord(QStringView(sql).mid(at), upperWord))
        return false;
    const qsizetype after = at + static_cast<qsizetype>(upperWord.size());
    return after == sql.size() || !IsWordCharacter(Chars(sql)[after]);
}

// Whether a VALUES keyword starts at `at`: a word of its own.
bool IsValuesAt(const QString& sql, qsizetype at) {
    return (at == 0 || !IsWordCharacter(Chars(sql)[at - 1])) && IsWordAt(sql, at, u"VALUES");
}

// Where the top-level VALUES keyword of an INSERT starts, outside any literal; -1 if none.
qsizetype FindValues(const QString& sql) {
    // The column list seldom holds a quote: up to the first one the keyword is looked for with
    // the library's fast character search, and only from there on literal by literal.
    const QStringView view(sql);
    const qsizetype single = view.indexOf(u'\'');
    const qsizetype twin = view.indexOf(u'"');
    const qsizetype firstQuote =
        single < 0 ? (twin < 0 ? sql.size() : twin) : (twin < 0 ? single : std::min(single, twin));
    qsizetype found = -1;
    for (const QChar v : {QChar(u'V'), QChar(u'v')}) {
        for (qsizetype at = view.indexOf(v);
             at >= 0 && at < firstQuote && (found < 0 || at < found);
             at = view.indexOf(v, at + 1)) {
            if (IsValuesAt(sql, at)) {
                found = at;
                break;
            }
        }
    }
    if (found >= 0)
        return found;
    const char16_t* const text = Chars(sql);
    for (qsizetype i = firstQuote; i < sql.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\'' || c == u'"') {
            i = EndOfQuoted(sql, i);
            if (i < 0)
                return -1;
            --i;
        } else if ((c == u'V' || c == u'v') && IsValuesAt(sql, i)) {
            return i;
        }
    }
    return -1;
}

// Whether `item` is the word NULL, whatever the case.
bool IsNull(QStringView item) {
    return item.size() == 4 && StartsWithWord(item, u"NULL");
}

std::optional<LiteralStatement> InsertLiterals(const QString& sql, QStringView earlierHead) {
    const char16_t* const text = Chars(sql);
    const qsizetype size = sql.size();
    const auto skipSpaces = [&](qsizetype i) {
        while (i < size && text[i] <= u' ')
            ++i;
        return i;
    };
    qsizetype i = 0;
    // Reading the same text up to the same list finds the same list.
    if (!earlierHead.isEmpty() && QStringView(sql).startsWith(earlierHead)) {
        i = earlierHead.size();
    } else {
        const qsizetype values = FindValues(sql);
        if (values < 0)
            return std::nullopt;
        i = skipSpaces(values + 6);
        if (i >= size || text[i] != u'(')
            return std::nullopt;
        ++i;
    }

    LiteralStatement result;
    result.source = sql;
    result.head = i;
    // The shape is written straight into a buffer of the greatest size it can reach: the text
    // up to the list, then for each item and its separator at most "NULL, " or "?, ", which
    // is never more than one and a half times what they take in the list ("NULL," or "1,").
    result.sql.resize(i + (size - i) * 2);
    char16_t* const shape = reinterpret_cast<char16_t*>(result.sql.data());
    std::copy(text, text + i, shape);
    char16_t* out = shape + i;
    const auto write = [&](std::u16string_view part) {
        out = std::copy(part.begin(), part.end(), out);
    };
    for (;;) {
        i = skipSpaces(i);
        if (i >= size)
            return std::nullopt;
        const char16_t c = text[i];
        if (c == u'\'' || c == u'"') {
            bool doubled = false;
            const qsizetype end = EndOfQuoted(sql, i, &doubled);
            if (end < 0)
                return std::nullopt;
            const auto* const first = reinterpret_cast<const QChar*>(text + i + 1);
            const qsizetype length = end - i - 2;
            if (!doubled) {
                result.values.emplace_back(QString::fromRawData(first, length));
            } else {
                QString unquoted(first, length);
                unquoted.replace(QString(2, QChar(c)), QString(QChar(c)));
                result.values.emplace_back(std::move(unquoted));
            }
            write(u"?");
            i = end;
        } else {
            qsizetype end = i;
            while (end < size && text[end] != u',' && text[end] != u')')
                ++end;
            qsizetype last = end;
            while (last > i && text[last - 1] <= u' ')
                --last;
            const QStringView item(text + i, last - i);
            if (IsNull(item)) {
                write(u"NULL");
            } else if (const std::optional<TargetValue> number = NumberLiteralValue(item)) {
                result.values.push_back(*number);
                write(u"?");
            } else {
                return std::nullopt;
            }
            i = end;
        }
        i = skipSpaces(i);
        if (i >= size)
            return std::nullopt;
        if (text[i] == u')')
            break;
        if (text[i] != u',')
            return std::nullopt;
        write(u", ");
        ++i;
    }
    // Nothing may follow the list: a RETURNING clause or a second statement keeps the text.
    if (skipSpaces(i + 1) != size || result.values.empty())
        return std::nullopt;
    write(u")");
    result.sql.truncate(out - shape);
    return result;
}

bool HasComment(const QString& sql) {
    for (qsizetype i = 0; i + 1 < sql.size(); ++i) {
        if (sql[i] == u'\'' || sql[i] == u'"') {
            i = EndOfQuoted(sql, i);
            if (i < 0)
                return true; // unreadable: treated like a comment, kept as written
            --i;
        } else if ((sql[i] == u'-' && sql[i + 1] == u'-') ||
                   (sql[i] == u'/' && sql[i + 1] == u'*')) {
            return true;
        }
    }
    return false;
}

// Whether what follows a literal ends its comparison: the end of the statement, a closing
// bracket or the next clause.
bool EndsComparison(QStringView rest) {
    rest = rest.trimmed();
    if (rest.isEmpty() || rest.front() == u')')
        return true;
    static const char16_t* const words[] = {u"AND",    u"OR",   u"ORDER", u"GROUP",
                                            u"HAVING", u"PLAN", u"ROWS",  u"UNION"};
    for (const char16_t* word : words) {
        const QStringView keyword(word);
        if (rest.startsWith(keyword, Qt::CaseInsensitive) &&
            (rest.size() == keyword.size() || !rest[keyword.size()].isLetterOrNumber()))
            return true;
    }
    return false;
}

// A text literal that is compared with "=" becomes a parameter cast to text of the connection's
// character set, which is what the literal itself is; its room grows in steps so that searches
// for texts of different lengths share a shape. Casting keeps a value longer than the column
// an ordinary value that simply finds nothing, as the literal does.
std::optional<LiteralStatement> SearchLiterals(const QString& sql) {
    constexpr qsizetype maxUtf8Characters = 8191;
    if (HasComment(sql))
        return std::nullopt;
    LiteralStatement result;
    result.source = sql;
    qsizetype copied = 0;
    qsizetype previous = -1; // the last character outside blanks and literals
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c != u'\'' && c != u'"') {
            if (!IsSpace(c))
                previous = i;
            continue;
        }
        const qsizetype end = EndOfQuoted(sql, i);
        if (end < 0)
            return std::nullopt;
        // "=" alone, not the end of "<=", ">=", "!=", "^=" or "~=".
        const bool compared = c == u'\'' && previous > 0 && sql[previous] == u'=' &&
                              !QStringView(u"<>!^~").contains(sql[previous - 1]);
        if (compared && EndsComparison(QStringView(sql).mid(end))) {
            QString text = sql.mid(i + 1, end - i - 2);
            text.replace(QStringLiteral("''"), QStringLiteral("'"));
            if (text.size() <= maxUtf8Characters) {
                qsizetype room = 32;
                while (room < text.size())
                    room *= 2;
                result.sql += QStringView(sql).mid(copied, i - copied);
                result.sql += QStringLiteral("CAST(? AS VARCHAR(%1) CHARACTER SET UTF8)")
                                  .arg(std::min(room, maxUtf8Characters));
                result.values.emplace_back(std::move(text));
                copied = end;
            }
        }
        previous = end - 1;
        i = end - 1;
    }
    if (result.values.empty())
        return std::nullopt;
    result.sql += QStringView(sql).mid(copied);
    return result;
}

} // namespace

std::optional<LiteralStatement> LiteralsToParameters(const QString& sql, QStringView earlierHead) {
    const QStringView trimmed = QStringView(sql).trimmed();
    if (trimmed.startsWith(u"INSERT", Qt::CaseInsensitive))
        return InsertLiterals(sql, earlierHead);
    if (trimmed.startsWith(u"SELECT", Qt::CaseInsensitive))
        return SearchLiterals(sql);
    return std::nullopt;
}

} // namespace vorlanda
