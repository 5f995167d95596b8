#include "db/LiteralParameters.h"

#include <QRegularExpression>

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
    static const QRegularExpression integer(QStringLiteral("^-?[0-9]{1,18}$"));
    static const QRegularExpression decimal(QStringLiteral("^-?([0-9]*)\\.([0-9]*)$"));
    static const QRegularExpression floating(
        QStringLiteral("^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)[eE][-+]?[0-9]+$"));
    if (integer.match(item).hasMatch())
        return static_cast<qint64>(item.toLongLong());
    if (const QRegularExpressionMatch parts = decimal.match(item); parts.hasMatch()) {
        const QString digits = parts.captured(1) + parts.captured(2);
        if (digits.isEmpty() || digits.size() > 18)
            return std::nullopt;
        const qint64 magnitude = digits.toLongLong();
        return ExactDecimal{item.startsWith(u'-') ? -magnitude : magnitude,
                            static_cast<int>(parts.capturedLength(2))};
    }
    if (floating.match(item).hasMatch()) {
        bool ok = false;
        const double value = item.toDouble(&ok);
        if (ok)
            return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<ParameterisedStatement> LiteralsToParameters(const QString& sql) {
    if (!QStringView(sql).trimmed().startsWith(u"INSERT", Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype values = FindValues(sql);
    if (values < 0)
        return std::nullopt;
    qsizetype i = values + 6;
    while (i < sql.size() && IsSpace(sql[i]))
        ++i;
    if (i >= sql.size() || sql[i] != u'(')
        return std::nullopt;

    ParameterisedStatement result;
    result.sql = sql.left(i + 1);
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

} // namespace vorlanda
