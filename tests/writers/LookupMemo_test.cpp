#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "writers/LookupMemo.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(LookupMemo, ForgetsTheQuestionsTheGivenCodesAnswered) {
    ScratchTarget target;
    LookupMemo memo(target.Database());
    memo.Remember(u"a"_qs, u"0001"_qs);
    memo.Remember(u"b"_qs, u"0002"_qs);
    memo.Remember(u"c"_qs, u"0001"_qs);
    memo.Remember(u"d"_qs, u"0003"_qs);
    memo.Remember(u"d"_qs, u"0001"_qs); // answered again, now by 0001
    memo.Remember(u"e"_qs, u"0003"_qs);
    memo.ForgetAnswers({u"0001"_qs, u"0009"_qs});
    EXPECT_EQ(memo.Find(u"a"_qs), std::nullopt);
    EXPECT_EQ(memo.Find(u"c"_qs), std::nullopt);
    EXPECT_EQ(memo.Find(u"d"_qs), std::nullopt);
    EXPECT_EQ(memo.Find(u"b"_qs), u"0002"_qs);
    EXPECT_EQ(memo.Find(u"e"_qs), u"0003"_qs);

    memo.Remember(u"a"_qs, u"0004"_qs);
    memo.ForgetAnswers({u"0003"_qs});
    EXPECT_EQ(memo.Find(u"a"_qs), u"0004"_qs);
    EXPECT_EQ(memo.Find(u"e"_qs), std::nullopt);
}
