// Families of alternatives, listed whole from their first phrase (each member is checked through the window).

#include "contentdata.h"

#include "categories.h"
#include "text.h"

#include <gtest/gtest.h>

TEST(ContentFamilies, ManyAndNoneCrossesTheEdgeOfAListing)
{
    // One that ran over a range's edge would hide the next range's first phrases or be cut off.
    int families = 0;
    for (int first = 1; first <= 831; ++first) {
        const int last = first + Content().map.at(std::size_t(first - 1)).variantCount - 1;
        if (last <= first)
            continue;
        ++families;
        ASSERT_LE(last, 831);
        for (const Category& category : Categories()) {
            for (const Subcategory& sub : category.subcategories) {
                const PhraseRange r = sub.phrases;
                EXPECT_FALSE((first < r.first && last >= r.first) || (first <= r.last && last > r.last))
                    << "phrases " << first << "-" << last << " cross " << Utf16ToUtf8(category.buttonLabel) << " / "
                    << Utf16ToUtf8(sub.name);
            }
        }
    }
    EXPECT_GE(families, 40);
}
