#include "db/internal/StatementParameters.h"

namespace vorlanda {

namespace {

bool IsNameChar(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'$';
}

// The index just after the quoted literal at i (quote doubling included).
qsizetype SkipQuoted(const QString& sql, qsizetype i) {
    const QChar quote = sql[i++];
    while (i < sql.size()) {
        if (sql[i++] == quote) {
            if (i < sql.size() && sql[i] == quote)
                ++i;
            else
                break;
        }
    }
    return i;
}

// The index just after `end` from i on, or the end of the text.
qsizetype SkipUntil(const QString& sql, qsizetype i, QStringView end) {
    const qsizetype found = QStringView(sql).indexOf(end, i);
    return found < 0 ? sql.size() : found + end.size();
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
    // Everything but the parameters stays as written, so it is copied in runs.
    qsizetype copied = 0;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
        if (c == u'\'' || c == u'"') {
            i = SkipQuoted(sql, i);
        } else if (c == u'-' && next == u'-') {
            i = SkipUntil(sql, i, u"\n");
        } else if (c == u'/' && next == u'*') {
            i = SkipUntil(sql, i, u"*/");
        } else if (c == u':' && IsNameChar(next)) {
            qsizetype end = i + 1;
            while (end < sql.size() && IsNameChar(sql[end]))
                ++end;
            result.names.append(sql.mid(i + 1, end - i - 1));
            result.sql += QStringView(sql).mid(copied, i - copied);
            result.sql += u'?';
            i = end;
            copied = end;
        } else {
            ++i;
        }
    }
    result.sql += QStringView(sql).mid(copied);
    return result;
}

} // namespace vorlanda
