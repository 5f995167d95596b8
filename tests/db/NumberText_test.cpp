#include "db/Error.h"
#include "db/NumberText.h"
#include "support/CommaDecimalLocale.h"
#include "support/ExpectError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(ParseDecimal, ReadsPlainDecimalsWithEitherSeparatorWhateverTheCLocale) {
    struct Case {
        const char16_t* text;
        double value;
    };
    const Case cases[] = {{u"0", 0},        {u"12.5", 12.5},    {u"12,5", 12.5},
                          {u"-3", -3},      {u"+7.25", 7.25},   {u".5", 0.5},
                          {u"5.", 5},       {u"1e-05", 1e-5},   {u"2E3", 2000},
                          {u"1,5E+2", 150}, {u"0012.50", 12.5}, {u"-0.05", -0.05}};
    const auto readAll = [&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
            EXPECT_DOUBLE_EQ(ParseDecimal(QString::fromUtf16(c.text)), c.value);
        }
    };
    readAll();
    // The window takes the system's locale at start-up; a Brazilian one writes "12,5".
    const CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << "no locale with a decimal comma could be made";
    readAll();
}

TEST(ParseDecimal, RefusesAnythingElseNamingTheValue) {
    const char16_t* cases[] = {u"",     u" 12", u"12 ", u"abc",   u"1.234,56", u"nan",  u"inf",
                               u"0x1A", u"1e",  u"-",   u"1e400", u"12a",      u"1,2,3"};
    for (const char16_t* c : cases) {
        const QString text = QString::fromUtf16(c);
        SCOPED_TRACE(text.toStdString());
        ExpectErrorContaining([&] { ParseDecimal(text); },
                              QLatin1Char('\'') + text + QLatin1Char('\''));
    }
}

TEST(ParseInteger, ReadsWholeDecimalsOnly) {
    EXPECT_EQ(ParseInteger(QStringLiteral("00041")), 41);
    EXPECT_EQ(ParseInteger(QStringLiteral("-12")), -12);
    EXPECT_EQ(ParseInteger(QStringLiteral("2147483647")), 2147483647);
    for (const char* bad : {"", "12.0", "1e3", " 1", "A1", "2147483648", "-"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseInteger(QString::fromLatin1(bad)), Error);
    }
}
