// The related-phrase table: every phrase names 1 to 10 other phrases.

#include "contentdata.h"

#include <gtest/gtest.h>

TEST(ContentRelated, EveryPhraseHasOneToTenOthersAndTheSpareBitIsClear)
{
    const ContentData& data = Content();
    ASSERT_EQ(data.related.size(), 831u);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        const RelateRow& row = data.related[std::size_t(n - 1)];
        // Bit 832 names no phrase.
        EXPECT_EQ(row[kRelateRowBytes - 1] & 0x01, 0);
        const std::vector<int> related = RelatedPhraseNumbers(row);
        EXPECT_GE(related.size(), 1u);
        EXPECT_LE(related.size(), 10u);
        for (int other : related) {
            EXPECT_NE(other, n);
            EXPECT_GE(other, 1);
            EXPECT_LE(other, 831);
        }
    }
}
