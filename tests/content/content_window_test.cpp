// Every row the window can list leads to its own phrase: the row's text is looked up as the window looks it up, and the
// phrase found must be the one the row was made from, with its translation and its clip. Each phrase has related rows.

#include "contentdata.h"

#include "categories.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Found without a message, with the translation of that phrase and its clip loaded.
void ExpectShown(ContentWindow& window, int row, int expected)
{
    window.list.selected = row;
    window.book.ShowPhrase();
    EXPECT_EQ(window.book.selectedPhrase, expected) << "row " << row << ": " << Utf16ToUtf8(window.list.RowText(row));
    EXPECT_TRUE(window.messages.shown.empty()) << window.messages.shown.front().text;
    window.messages.shown.clear();
    EXPECT_EQ(window.book.translationText, FrenchShown(expected));
    EXPECT_EQ(window.book.loadedPhrase, expected);
}

} // namespace

TEST(ContentWindow, EveryListedRowShowsItsOwnPhraseAndEveryAlternativeItsMember)
{
    ContentWindow window;
    for (const Category& category : Categories()) {
        for (const Subcategory& sub : category.subcategories) {
            SCOPED_TRACE(Utf16ToUtf8(category.buttonLabel) + " / " + Utf16ToUtf8(sub.name));
            ASSERT_TRUE(window.book.LoadPhraseRange(sub.phrases.first, sub.phrases.last));
            const std::vector<int> listed = ListedPhrases(sub.phrases.first, sub.phrases.last);
            ASSERT_EQ(window.list.RowCount(), int(listed.size()));
            for (std::size_t row = 0; row < listed.size(); ++row) {
                ExpectShown(window, int(row), listed[row]);
                // The row text after the user picks each alternative in the row's slot.
                const CItem& item = *window.list.rows[row].item;
                const std::optional<GroupedText> shown = GroupOf(item.displayText), offered = GroupOf(item.rawText);
                for (std::size_t i = 0; offered && i < offered->alternatives.size(); ++i) {
                    window.list.rows[row].text = shown->before + u"[" + offered->alternatives[i] + u"]" + shown->after;
                    ExpectShown(window, int(row), listed[row] + int(i));
                }
            }
        }
    }
}

TEST(ContentWindow, EverySearchResultShowsItsOwnPhrase)
{
    ContentWindow window;
    // Broad keywords list nearly every family once; an exact search on each listed text must find that text alone.
    std::vector<std::pair<std::u16string, bool>> searches = {{u"e", false}, {u"a", false}, {u" ", false}};
    for (int n : ListedPhrases(1, 831))
        searches.emplace_back(ToLower(MapText(n)), true);
    std::vector<bool> reached(832, false);
    for (const auto& [keyword, exact] : searches) {
        SCOPED_TRACE("keyword \"" + Utf16ToUtf8(keyword) + "\"");
        window.book.captionMode = kSearchMode;
        window.book.LoadAllPhrases();
        window.Search(keyword, exact);
        ASSERT_GT(window.list.RowCount(), 0);
        EXPECT_TRUE(!exact || window.list.RowCount() == 1);
        for (int row = 0; row < window.list.RowCount(); ++row) {
            // The row came from the map record that holds its text; it shows the member of that family whose English
            // it reads (a French match may show another member than the first).
            const std::u16string& raw = window.list.rows[std::size_t(row)].item->rawText;
            int expected = 1;
            while (expected <= 831 && MapText(expected) != raw)
                ++expected;
            ASSERT_LE(expected, 831) << Utf16ToUtf8(raw);
            for (int member = expected, end = expected + Content().map[std::size_t(expected - 1)].variantCount;
                 member < end; ++member)
                expected = EnglishKey(member) == window.list.RowText(row) ? member : expected;
            ExpectShown(window, row, expected);
            reached[std::size_t(expected)] = true;
        }
    }
    for (int n : ListedPhrases(1, 831))
        EXPECT_TRUE(reached[std::size_t(n)]) << "phrase " << n << " never found";
}

TEST(ContentWindow, EveryPhraseHasOneToTenOthersRelatedAndEachRelatedRowShowsItsOwnPhrase)
{
    ContentWindow window;
    window.book.captionMode = kRelatedMode;
    ASSERT_EQ(Content().related.size(), 831u);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("related phrases of " + std::to_string(n));
        const RelateRow& table = Content().related[std::size_t(n - 1)];
        EXPECT_EQ(table[kRelateRowBytes - 1] & 0x01, 0);   // bit 832 names no phrase
        const std::vector<int> related = RelatedPhraseNumbers(table);
        EXPECT_TRUE(related.size() >= 1 && related.size() <= 10 && std::ranges::count(related, n) == 0);
        window.book.loadedPhrase = n;
        ASSERT_TRUE(window.book.FindRelatedPhrases());
        ASSERT_EQ(window.list.RowCount(), int(related.size()));
        for (int row = 0; row < window.list.RowCount(); ++row) {
            // Related rows are plain text: brackets gone, nothing to choose.
            EXPECT_EQ(window.list.RowText(row).find_first_of(u"[]"), std::u16string::npos);
            ExpectShown(window, row, related[std::size_t(row)]);
        }
    }
}
