#include "importers/LegacyNumber.h"
#include "support/ExpectError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(LegacyNumber, ReadsBlanksAroundAndThousandsGroupedByThrees) {
    struct Case {
        const char16_t* text;
        double value;
    };
    const Case cases[] = {
        {u"", 0},
        {u" \t ", 0},
        {u" 12,50", 12.5},
        {u"12,50 ", 12.5},
        {u"\t12.5\t", 12.5},
        {u"1.234,56", 1234.56},
        {u"1,234.56", 1234.56},
        {u" -1.234.567,8 ", -1234567.8},
        {u"+12,345,678.9", 12345678.9},
        {u"123.456,", 123456},
        {u"1.234", 1.234}, // one kind of separator: a decimal one, as always
        {u"1,234", 1.234},
        {u"1e-05", 1e-5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_DOUBLE_EQ(LegacyNumber(QString::fromUtf16(c.text)), c.value);
    }
}

TEST(LegacyNumber, RefusesAnythingElseNamingTheValueAsRead) {
    const char16_t* cases[] = {u"1.23,4",    u"1.2345,6",  u"1234.567,8", u".123,4",
                               u"1,234,5.6", u"1.234.5",   u"12.345.678", u"1,2.3,4",
                               u" R$ 10,00", u"1 234,56",  u"1.234,5x",   u"-,1.2",
                               u"abc",       u"1.234,56.7"};
    for (const char16_t* c : cases) {
        const QString text = QString::fromUtf16(c);
        SCOPED_TRACE(text.toStdString());
        ExpectErrorMessage([&] { LegacyNumber(text); },
                           u"'"_qs + text + u"' não é um valor numérico válido"_qs);
    }
}
