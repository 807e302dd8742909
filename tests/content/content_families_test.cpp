// Families of alternatives: the map record of a family's first phrase holds
// the group, and each member's English is the text the phrase list makes when
// the user picks that member's alternative.

#include "contentdata.h"

#include "categories.h"
#include "text.h"

#include <gtest/gtest.h>

namespace {

struct FamilySpan {
    int first;
    int last;
};

std::vector<FamilySpan> Families()
{
    std::vector<FamilySpan> families;
    for (int n = 1; n <= 831; ++n) {
        const int k = Content().map.at(std::size_t(n - 1)).variantCount;
        if (k > 1)
            families.push_back({n, n + k - 1});
    }
    return families;
}

} // namespace

TEST(ContentFamilies, EachMemberReadsAsItsAlternativeInTheGroup)
{
    const std::vector<FamilySpan> families = Families();
    EXPECT_GE(families.size(), 40u);
    std::vector<bool> inFamily(832, false);
    for (const FamilySpan& family : families) {
        SCOPED_TRACE("family of phrase " + std::to_string(family.first));
        const std::optional<GroupedText> group = GroupOf(MapText(family.first));
        ASSERT_TRUE(group);
        // One group only: the list offers the alternatives of one slot.
        EXPECT_EQ(group->after.find(u'['), std::u16string::npos);
        ASSERT_EQ(group->alternatives.size(), std::size_t(family.last - family.first + 1));
        ASSERT_LE(family.last, 831);
        for (int n = family.first; n <= family.last; ++n) {
            const std::u16string expected = group->WithAlternative(std::size_t(n - family.first));
            EXPECT_EQ(EnglishKey(n), expected) << "phrase " << n;
            inFamily[std::size_t(n)] = true;
            if (n > family.first) {
                EXPECT_EQ(Content().map[std::size_t(n - 1)].variantCount, 1) << "phrase " << n;
                EXPECT_EQ(MapText(n), expected) << "phrase " << n;
            }
        }
    }
    // Outside families a phrase is listed as its own English, without brackets.
    for (int n = 1; n <= 831; ++n) {
        if (inFamily[std::size_t(n)])
            continue;
        EXPECT_EQ(Content().map[std::size_t(n - 1)].variantCount, 1) << "phrase " << n;
        EXPECT_EQ(MapText(n), EnglishKey(n)) << "phrase " << n;
        EXPECT_EQ(MapText(n).find_first_of(u"[]|"), std::u16string::npos) << "phrase " << n;
    }
}

TEST(ContentFamilies, NoFamilyCrossesTheEdgeOfAListing)
{
    // A family is listed whole from its first phrase: one that ran over a
    // range's edge would hide the next range's first phrases or be cut off.
    for (const FamilySpan& family : Families()) {
        for (const Category& category : Categories()) {
            for (const Subcategory& sub : category.subcategories) {
                const PhraseRange r = sub.phrases;
                const bool crosses = (family.first < r.first && family.last >= r.first) ||
                                     (family.first <= r.last && family.last > r.last);
                EXPECT_FALSE(crosses) << "phrases " << family.first << "-" << family.last << " cross "
                                      << Utf16ToUtf8(category.buttonLabel) << " / " << Utf16ToUtf8(sub.name);
            }
        }
    }
}
