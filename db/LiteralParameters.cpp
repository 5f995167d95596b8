#include "db/LiteralParameters.h"

namespace vorlanda {

namespace {

bool IsSpace(QChar c) {
    return c.unicode() <= u' ';
}

// The index just past the quoted literal starting at `start`, or -1 when it never closes.
qsizetype EndOfQuoted(const QString& sql, qsizetype start) {
    const QChar quote = sql[start];
    for (qsizetype i = start + 1; i < sql.size(); ++i) {
        if (sql[i] != quote)
            continue;
        if (i + 1 < sql.size() && sql[i + 1] == quote)
            ++i;
        else
            return i + 1;
    }
    return -1;
}

// Where the top-level VALUES keyword of an INSERT starts, outside any literal; -1 if none.
qsizetype FindValues(const QString& sql) {
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            i = EndOfQuoted(sql, i);
            if (i < 0)
                return -1;
            --i;
        } else if ((c == u'V' || c == u'v') && (i == 0 || !sql[i - 1].isLetterOrNumber()) &&
                   QStringView(sql).mid(i, 6).compare(u"VALUES", Qt::CaseInsensitive) == 0 &&
                   (i + 6 == sql.size() || !sql[i + 6].isLetterOrNumber())) {
            return i;
        }
    }
    return -1;
}

// The value of a number literal in the server's own kind: whole numbers as integers, numbers
// with a decimal point as exact decimals (so "12.5" stays "12.5" wherever it goes), numbers
// with an exponent as floating point. Longer numbers keep the statement as written.
std::optional<TargetValue> NumberValue(QStringView item) {
    constexpr qsizetype maxDigits = 18;
    const qsizetype start = item.startsWith(u'-') ? 1 : 0;
    qsizetype i = start;
    qint64 magnitude = 0;
    qsizetype digits = 0;
    const auto readDigits = [&](bool keep) {
        qsizetype count = 0;
        for (; i < item.size() && item[i] >= u'0' && item[i] <= u'9'; ++i, ++count) {
            if (keep && ++digits <= maxDigits)
                magnitude = magnitude * 10 + (item[i].unicode() - u'0');
        }
        return count;
    };
    const qsizetype whole = readDigits(true);
    const bool point = i < item.size() && item[i] == u'.';
    if (point)
        ++i;
    const qsizetype fraction = point ? readDigits(true) : 0;
    if (whole + fraction == 0)
        return std::nullopt;
    if (i == item.size()) {
        if (digits > maxDigits)
            return std::nullopt;
        const qint64 value = start ? -magnitude : magnitude;
        if (!point)
            return value;
        return ExactDecimal{value, static_cast<int>(fraction)};
    }
    if (item[i] != u'e' && item[i] != u'E')
        return std::nullopt;
    ++i;
    if (i < item.size() && (item[i] == u'+' || item[i] == u'-'))
        ++i;
    if (readDigits(false) == 0 || i != item.size())
        return std::nullopt;
    bool ok = false;
    const double value = item.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<ParameterisedStatement> InsertLiterals(const QString& sql) {
    const qsizetype values = FindValues(sql);
    if (values < 0)
        return std::nullopt;
    qsizetype i = values + 6;
    while (i < sql.size() && IsSpace(sql[i]))
        ++i;
    if (i >= sql.size() || sql[i] != u'(')
        return std::nullopt;

    ParameterisedStatement result;
    result.sql.reserve(sql.size());
    result.sql.append(QStringView(sql).left(i + 1));
    ++i;
    for (;;) {
        while (i < sql.size() && IsSpace(sql[i]))
            ++i;
        if (i >= sql.size())
            return std::nullopt;
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype end = EndOfQuoted(sql, i);
            if (end < 0)
                return std::nullopt;
            QString text = sql.mid(i + 1, end - i - 2);
            if (text.contains(c))
                text.replace(QString(2, c), QString(c));
            result.values.emplace_back(std::move(text));
            result.sql += u'?';
            i = end;
        } else {
            qsizetype end = i;
            while (end < sql.size() && sql[end] != u',' && sql[end] != u')')
                ++end;
            const QStringView item = QStringView(sql).mid(i, end - i).trimmed();
            if (item.compare(u"NULL", Qt::CaseInsensitive) == 0) {
                result.sql += u"NULL";
            } else if (const std::optional<TargetValue> number = NumberValue(item)) {
                result.values.push_back(*number);
                result.sql += u'?';
            } else {
                return std::nullopt;
            }
            i = end;
        }
        while (i < sql.size() && IsSpace(sql[i]))
            ++i;
        if (i >= sql.size())
            return std::nullopt;
        if (sql[i] == u')')
            break;
        if (sql[i] != u',')
            return std::nullopt;
        result.sql += u", ";
        ++i;
    }
    // Nothing may follow the list: a RETURNING clause or a second statement keeps the text.
    if (!QStringView(sql).mid(i + 1).trimmed().isEmpty() || result.values.empty())
        return std::nullopt;
    result.sql += u')';
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
std::optional<ParameterisedStatement> SearchLiterals(const QString& sql) {
    constexpr qsizetype maxUtf8Characters = 8191;
    if (HasComment(sql))
        return std::nullopt;
    ParameterisedStatement result;
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

std::optional<ParameterisedStatement> LiteralsToParameters(const QString& sql) {
    const QStringView trimmed = QStringView(sql).trimmed();
    if (trimmed.startsWith(u"INSERT", Qt::CaseInsensitive))
        return InsertLiterals(sql);
    if (trimmed.startsWith(u"SELECT", Qt::CaseInsensitive))
        return SearchLiterals(sql);
    return std::nullopt;
}

} // namespace vorlanda
