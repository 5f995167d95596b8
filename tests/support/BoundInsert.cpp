#include "support/BoundInsert.h"

#include "support/LiteralParameters.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

void ExpectBoundAsTheTextReads(const std::optional<vorlanda::ParameterisedStatement>& bound,
                               const QString& text) {
    const std::optional<vorlanda::ParameterisedStatement> read =
        vorlanda::LiteralsToParameters(text);
    ASSERT_EQ(bound.has_value(), read.has_value()) << text.toStdString();
    if (read) {
        EXPECT_EQ(bound->sql, read->sql);
        EXPECT_EQ(bound->values, read->values) << text.toStdString();
    }
}
