#include "support/BoundInsert.h"

#include "db/NumberText.h"
#include "support/LiteralParameters.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

bool IsUpdate(const QString& text) {
    return text.trimmed().startsWith(QStringLiteral("UPDATE"), Qt::CaseInsensitive);
}

// An UPDATE read the way the server reads its literals: each quoted literal, and each number
// assigned or compared with "=", becomes a "?" and the value it stands for; NULL and the rest
// of the text stay as written. LiteralsToParameters reads no UPDATE, so the tests read it here.
std::optional<vorlanda::ParameterisedStatement> UpdateLiteralsToParameters(const QString& text) {
    vorlanda::ParameterisedStatement read;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'\'' || c == u'"') {
            QString value;
            qsizetype end = i + 1;
            for (; end < text.size(); ++end) {
                if (text[end] != c) {
                    value += text[end];
                } else if (end + 1 < text.size() && text[end + 1] == c) {
                    value += c;
                    ++end;
                } else {
                    break;
                }
            }
            if (end >= text.size())
                return std::nullopt;
            read.values.emplace_back(value);
            read.sql += u'?';
            i = end + 1;
            continue;
        }
        read.sql += c;
        ++i;
        if (c != u'=')
            continue;
        while (i < text.size() && text[i] == u' ')
            read.sql += text[i++];
        if (i >= text.size() || text[i] == u'\'' || text[i] == u'"')
            continue;
        qsizetype end = i;
        while (end < text.size() && text[end] != u',' && text[end] != u' ')
            ++end;
        const QStringView item = QStringView(text).mid(i, end - i);
        if (item.compare(u"NULL", Qt::CaseInsensitive) == 0) {
            read.sql += item;
        } else if (const std::optional<vorlanda::TargetValue> number =
                       vorlanda::NumberLiteralValue(item)) {
            read.values.push_back(*number);
            read.sql += u'?';
        } else {
            return std::nullopt;
        }
        i = end;
    }
    return read;
}

} // namespace

void ExpectBoundAsTheTextReads(const std::optional<vorlanda::ParameterisedStatement>& bound,
                               const QString& text) {
    const std::optional<vorlanda::ParameterisedStatement> read =
        IsUpdate(text) ? UpdateLiteralsToParameters(text) : vorlanda::LiteralsToParameters(text);
    ASSERT_EQ(bound.has_value(), read.has_value()) << text.toStdString();
    if (read) {
        EXPECT_EQ(bound->sql, read->sql);
        EXPECT_EQ(bound->values, read->values) << text.toStdString();
    }
}
