#include "db/Error.h"
#include "db/NumberText.h"
#include "support/QtPrinters.h"
#include "writers/SqlValue.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using namespace vorlanda;

namespace {

std::optional<TargetValue> Bound(const SqlValue& value) {
    TargetValue bound;
    if (!value.BindTo(bound))
        return std::nullopt;
    return bound;
}

} // namespace

TEST(SqlValue, ANumberIsBoundAsItsLiteralReads) {
    const double cases[] = {0.0,
                            -0.0,
                            1.0,
                            -7.0,
                            12.5,
                            -0.1,
                            1.0 / 3,
                            5e-5,
                            1e300,
                            -1e-300,
                            999999999999999.0,
                            1e15,
                            -1e15,
                            1e15 + 2,
                            123456789012345678.0,
                            0.5,
                            2.0e-4,
                            4503599627370497.0,
                            0.000123456789012345,
                            -0.00012345678901234,
                            123456789012345.67,
                            999999999999999.5};
    for (const double c : cases) {
        SCOPED_TRACE(c);
        const SqlValue value = SqlValue::Number(c);
        EXPECT_EQ(Bound(value), NumberLiteralValue(value.Rendered()));
    }
    // Prices, quotients and scrambled mantissas at every magnitude the notations change at.
    std::uint64_t state = 12345;
    for (int power = -7; power <= 17; ++power) {
        for (int i = 1; i <= 400; ++i) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            const double scrambled = static_cast<double>(state >> 11) / double(1ull << 53);
            for (const double mantissa : {i / 100.0, i / 7.0, scrambled, -scrambled * 9.99}) {
                const double c = mantissa * std::pow(10.0, power);
                const SqlValue value = SqlValue::Number(c);
                ASSERT_EQ(Bound(value), NumberLiteralValue(value.Rendered())) << c;
            }
        }
    }
    EXPECT_THROW(Bound(SqlValue::Number(std::nan(""))), Error);
    EXPECT_THROW(Bound(SqlValue::Number(std::numeric_limits<double>::infinity())), Error);
}

TEST(SqlValue, TextsIntegersAndDatesAreBoundAsTheirLiteralsRead) {
    const QString text = u"it's"_qs;
    EXPECT_EQ(SqlValue::Quoted(text).Rendered(), u"'it''s'"_qs);
    EXPECT_EQ(Bound(SqlValue::Quoted(text)), TargetValue(text));
    for (const qint64 c : {qint64{0}, qint64{-42}, std::numeric_limits<qint64>::max()}) {
        SCOPED_TRACE(c);
        const SqlValue value = SqlValue::Integer(c);
        EXPECT_EQ(Bound(value), NumberLiteralValue(value.Rendered()));
    }
    EXPECT_EQ(Bound(SqlValue::Integer(std::numeric_limits<qint64>::max())), std::nullopt);
    EXPECT_EQ(SqlValue::Date(QDate(2014, 3, 5)).Rendered(), u"'05.03.2014'"_qs);
    EXPECT_EQ(Bound(SqlValue::Date(QDate(2014, 3, 5))), TargetValue(u"05.03.2014"_qs));
    EXPECT_THROW(Bound(SqlValue::Date(QDate())), Error);
}

TEST(SqlValue, ADoubleQuotedConstantIsBoundAsTheTextItStandsFor) {
    const SqlValue value = SqlValue::DoubleQuoted(u"N");
    EXPECT_EQ(value.Rendered(), u"\"N\""_qs);
    EXPECT_EQ(Bound(value), TargetValue(u"N"_qs));
}
