#include "db/StatementParameters.h"

namespace vorlanda {

namespace {

bool IsNameChar(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'$';
}

// Copies a quoted literal (quote doubling included) and returns the index after it.
qsizetype CopyQuoted(const QString& sql, qsizetype i, QString& out) {
    const QChar quote = sql[i];
    out += sql[i++];
    while (i < sql.size()) {
        out += sql[i];
        if (sql[i++] == quote) {
            if (i < sql.size() && sql[i] == quote)
                out += sql[i++];
            else
                break;
        }
    }
    return i;
}

qsizetype CopyUntil(const QString& sql, qsizetype i, const QString& end, QString& out) {
    const qsizetype found = sql.indexOf(end, i);
    const qsizetype stop = found < 0 ? sql.size() : found + end.size();
    out += QStringView(sql).mid(i, stop - i);
    return stop;
}

} // namespace

PositionalStatement ToPositional(const QString& sql) {
    PositionalStatement result;
    // Without a colon there is no parameter: the text stays as it is, shared, not copied.
    if (!sql.contains(u':')) {
        result.sql = sql;
        return result;
    }
    result.sql.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
        if (c == u'\'' || c == u'"') {
            i = CopyQuoted(sql, i, result.sql);
        } else if (c == u'-' && next == u'-') {
            i = CopyUntil(sql, i, QStringLiteral("\n"), result.sql);
        } else if (c == u'/' && next == u'*') {
            i = CopyUntil(sql, i, QStringLiteral("*/"), result.sql);
        } else if (c == u':' && IsNameChar(next)) {
            qsizetype end = i + 1;
            while (end < sql.size() && IsNameChar(sql[end]))
                ++end;
            result.names.append(sql.mid(i + 1, end - i - 1));
            result.sql += u'?';
            i = end;
        } else {
            result.sql += c;
            ++i;
        }
    }
    return result;
}

} // namespace vorlanda
