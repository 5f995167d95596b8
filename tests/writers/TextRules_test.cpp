#include "writers/TextRules.h"

#include "support/QtPrinters.h"
#include "support/Utf16.h"

#include <gtest/gtest.h>
#include <limits>

namespace vorlanda {
namespace {

TEST(TextRules, TrimRemovesCodesUpTo32AtBothEndsOnly) {
    struct Case {
        const char16_t* in;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"  abc  ", u"abc"},
        {u"\t\r\n\x01x y\x1f\x20", u"x y"},
        {u"\u00a0abc\u00a0", u"\u00a0abc\u00a0"}, // no-break space is above 32
        {u"a  b", u"a  b"},
        {u" \t\n ", u""},
        {u"", u""},
        {u"!x!", u"!x!"}, // code 33 stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        EXPECT_EQ(Trim(Q(c.in)), Q(c.out));
    }
}

TEST(TextRules, UpperCaseTurnsEveryLetterWithAWin1252Capital) {
    struct Case {
        const char16_t* in;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"abc xyz", u"ABC XYZ"},
        {u"são josé ção", u"SÃO JOSÉ ÇÃO"},
        {u"àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ", u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ"},
        {u"ÿ š ž œ", u"Ÿ Š Ž Œ"},
        {u"ß µ ÷ ı ā", u"ß µ ÷ ı ā"},     // no capital in WIN1252, or not a letter
        {u"`az{ ßà÷øþÿ", u"`AZ{ ßÀ÷ØÞŸ"}, // neighbours of the ranges
        {u"Ab1", u"AB1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        EXPECT_EQ(UpperCase(Q(c.in)), Q(c.out));
    }
}

TEST(TextRules, CopyTakesWhatIsThere) {
    struct Case {
        qsizetype pos;
        qsizetype count;
        const char16_t* out;
    };
    const QString text = QStringLiteral("abcdef");
    const Case cases[] = {
        {1, 3, u"abc"},
        {2, 2, u"bc"},
        {4, 100, u"def"},
        {6, 1, u"f"},
        {7, 1, u""},
        {100, 5, u""},
        {0, 3, u"abc"},
        {-5, 2, u"ab"},
        {2, 0, u""},
        {2, -1, u""},
        {1, std::numeric_limits<qsizetype>::max(), u"abcdef"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pos " << c.pos << " count " << c.count);
        EXPECT_EQ(Copy(text, c.pos, c.count), Q(c.out));
    }
}

TEST(TextRules, LeftKeepsAtMostN) {
    struct Case {
        const char16_t* in;
        qsizetype n;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"abcdef", 3, u"abc"}, {u"ab", 5, u"ab"}, {u"abc", 0, u""},
        {u"abc", -2, u""},      {u"", 4, u""},     {u" ação ", 3, u" aç"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        EXPECT_EQ(Left(Q(c.in), c.n), Q(c.out));
    }
}

} // namespace
} // namespace vorlanda
