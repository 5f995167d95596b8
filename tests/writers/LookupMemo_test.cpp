#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "writers/LookupMemo.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(LookupMemo, KeepsItsAnswersUntilTheTransactionRollsBack) {
    ScratchTarget target;
    LookupMemo memo(target.Database());
    memo.Remember(u"a"_qs, u"0001"_qs);
    memo.Remember(u"b"_qs, u"0002"_qs);
    memo.Remember(u"a"_qs, u"0003"_qs); // answered again
    EXPECT_EQ(memo.Find(u"a"_qs), u"0003"_qs);
    EXPECT_EQ(memo.Find(u"b"_qs), u"0002"_qs);
    EXPECT_EQ(memo.Find(u"c"_qs), std::nullopt);

    target.Transaction().StartTransaction();
    target.Transaction().Commit();
    EXPECT_EQ(memo.Find(u"b"_qs), u"0002"_qs);

    target.Transaction().StartTransaction();
    target.Transaction().Rollback();
    EXPECT_EQ(memo.Find(u"a"_qs), std::nullopt);
    EXPECT_EQ(memo.Find(u"b"_qs), std::nullopt);
}
