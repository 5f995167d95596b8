#include "writers/SqlText.h"

#include "db/Error.h"

#include "support/CommaDecimalLocale.h"
#include "support/QtPrinters.h"
#include "support/Utf16.h"
#include <QLocale>
#include <cmath>

#include <gtest/gtest.h>
#include <limits>

namespace vorlanda {
namespace {

TEST(SqlText, QuotedDoublesEveryApostrophe) {
    struct Case {
        const char16_t* in;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"", u"''"},
        {u"O'Brien", u"'O''Brien'"},
        {u"''", u"''''''"},
        {u"'a'", u"'''a'''"},
        {u"São José \"x\"", u"'São José \"x\"'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        EXPECT_EQ(SqlQuoted(Q(c.in)), Q(c.out));
    }
}

struct NumberCase {
    double in;
    const char* out;
};

const NumberCase numberCases[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {10.0, "10"},
    {12.5, "12.5"},
    {-12.5, "-12.5"},
    {1.0 / 3.0, "0.333333333333333"},
    {2.0 / 3.0, "0.666666666666667"},
    {0.1, "0.1"},
    {0.1 + 0.2, "0.3"},
    {1234567.891, "1234567.891"},
    {1500.5, "1500.5"},
    {0.0005, "0.0005"},
    {0.0001, "0.0001"},
    {0.00009999999999999999, "0.0001"},
    {0.00005, "5E-5"},
    {-0.00001, "-1E-5"},
    {0.000001, "1E-6"},
    {1.5e-7, "1.5E-7"},
    {100000000000000.0, "100000000000000"},
    {999999999999999.4, "999999999999999"},
    {999999999999999.6, "1E15"},
    {1e15, "1E15"},
    {3e15, "3E15"},
    {-2.5e20, "-2.5E20"},
    {123456789012345678.0, "1.23456789012346E17"},
    {std::numeric_limits<double>::max(), "1.79769313486232E308"},
    {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
};

TEST(SqlText, NumberHasFifteenDigitsShortestFormAndPoint) {
    for (const auto& c : numberCases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(SqlNumber(c.in).toStdString(), c.out);
    }
}

TEST(SqlText, NumberIgnoresCAndQtLocale) {
    const CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << "no locale with a decimal comma could be made";
    const QLocale savedQt;
    QLocale::setDefault(QLocale(QLocale::German));
    for (const auto& c : numberCases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(SqlNumber(c.in).toStdString(), c.out);
    }
    EXPECT_EQ(SqlInteger(-1234567), QStringLiteral("-1234567"));
    EXPECT_EQ(SqlDate(QDate(2012, 4, 1)), QStringLiteral("'01.04.2012'"));
    QLocale::setDefault(savedQt);
}

TEST(SqlText, NumberRejectsNanAndInfinity) {
    const double cases[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()};
    for (const double c : cases) {
        SCOPED_TRACE(c);
        EXPECT_THROW(SqlNumber(c), Error);
    }
}

TEST(SqlText, IntegerIsPlainDecimal) {
    struct Case {
        qint64 in;
        const char* out;
    };
    const Case cases[] = {
        {0, "0"},
        {-42, "-42"},
        {1234567, "1234567"},
        {std::numeric_limits<qint64>::max(), "9223372036854775807"},
        {std::numeric_limits<qint64>::min(), "-9223372036854775808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(SqlInteger(c.in).toStdString(), c.out);
    }
}

TEST(SqlText, DateIsQuotedDayMonthYearWithPoints) {
    struct Case {
        QDate in;
        const char* out;
    };
    const Case cases[] = {
        {QDate(2012, 4, 1), "'01.04.2012'"},
        {QDate(1979, 12, 27), "'27.12.1979'"},
        {QDate(5, 1, 9), "'09.01.0005'"},
        {QDate(9999, 12, 31), "'31.12.9999'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(SqlDate(c.in).toStdString(), c.out);
    }
}

TEST(SqlText, DateRejectsWhatCannotBeWritten) {
    const QDate cases[] = {QDate(), QDate(10000, 1, 1), QDate(-1, 1, 1)};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year());
        EXPECT_THROW(SqlDate(c), Error);
    }
}

} // namespace
} // namespace vorlanda
