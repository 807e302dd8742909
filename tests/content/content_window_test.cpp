// Every row the window can list leads to its own phrase: the row's text is
// looked up as the window looks it up, and the phrase found must be the one
// the row was made from, with its translation and its clip.

#include "contentdata.h"
#include "contentwindow.h"

#include "categories.h"
#include "soundarchive.h"
#include "text.h"

#include <gtest/gtest.h>

namespace {

std::size_t ClipLength(int number)
{
    const Bytes index = ReadFile(DataPath("data.idx"));
    return SoundIndexEntry::Decode(index.data() + std::size_t(number - 1) * SoundIndexEntry::kSize).length;
}

// The checks every shown phrase must pass: found without a message, the
// translation of that phrase, and its clip handed to the player.
void ExpectShown(ContentWindow& window, int row, int expected)
{
    const int shown = window.ShowRow(row);
    EXPECT_EQ(shown, expected) << "row " << row << ": " << Utf16ToUtf8(window.list.RowText(row));
    EXPECT_TRUE(window.messages.shown.empty()) << window.messages.shown.front().text;
    window.messages.shown.clear();
    EXPECT_EQ(window.book.translationText, FrenchShown(expected));
    EXPECT_EQ(window.player.opened.size(), ClipLength(expected));
}

// The row text after the user picks alternative `i` in the row's slot.
std::u16string ChooseAlternative(const CItem& item, std::size_t i)
{
    const std::optional<GroupedText> shown = GroupOf(item.displayText);
    const std::optional<GroupedText> offered = GroupOf(item.rawText);
    return shown->before + u"[" + offered->alternatives.at(i) + u"]" + shown->after;
}

} // namespace

TEST(ContentWindow, EveryListedRowShowsItsOwnPhraseAndEveryAlternativeItsMember)
{
    ContentWindow window;
    int listings = 0;
    int alternativesChosen = 0;
    for (const Category& category : Categories()) {
        for (const Subcategory& sub : category.subcategories) {
            SCOPED_TRACE(Utf16ToUtf8(category.buttonLabel) + " / " + Utf16ToUtf8(sub.name));
            ++listings;
            ASSERT_TRUE(window.book.LoadPhraseRange(sub.phrases.first, sub.phrases.last));
            const std::vector<int> listed = ListedPhrases(sub.phrases.first, sub.phrases.last);
            ASSERT_EQ(window.list.RowCount(), int(listed.size()));
            for (int row = 0; row < window.list.RowCount(); ++row) {
                ExpectShown(window, row, listed[std::size_t(row)]);
                const CItem& item = *window.list.rows[std::size_t(row)].item;
                const std::optional<GroupedText> group = GroupOf(item.rawText);
                if (!group)
                    continue;
                for (std::size_t i = 0; i < group->alternatives.size(); ++i) {
                    window.list.rows[std::size_t(row)].text = ChooseAlternative(item, i);
                    ExpectShown(window, row, listed[std::size_t(row)] + int(i));
                    ++alternativesChosen;
                }
            }
        }
    }
    EXPECT_EQ(listings, 59);
    EXPECT_GT(alternativesChosen, 0);
}

TEST(ContentWindow, EverySearchResultShowsItsOwnPhrase)
{
    ContentWindow window;
    // Broad keywords list nearly every family once; an exact search on each
    // listed text must find that text alone.
    std::vector<std::pair<std::u16string, bool>> searches = {{u"e", false}, {u"a", false}, {u" ", false}};
    for (int n : ListedPhrases(1, 831))
        searches.emplace_back(ToLower(MapText(n)), true);

    std::vector<bool> reached(832, false);
    for (const auto& [keyword, exact] : searches) {
        SCOPED_TRACE("keyword \"" + Utf16ToUtf8(keyword) + "\"");
        window.hooks.keywordControl = keyword;
        window.hooks.exactMatchControl = exact;
        window.book.captionMode = kSearchMode;
        window.book.LoadAllPhrases();
        window.book.SearchPhrases();
        ASSERT_GT(window.list.RowCount(), 0);
        EXPECT_TRUE(!exact || window.list.RowCount() == 1);
        for (int row = 0; row < window.list.RowCount(); ++row) {
            // The row came from the map record that holds its text.
            const std::u16string raw = window.list.rows[std::size_t(row)].item->rawText;
            int expected = 0;
            for (int n = 1; n <= 831 && expected == 0; ++n) {
                if (MapText(n) == raw)
                    expected = n;
            }
            ASSERT_NE(expected, 0) << Utf16ToUtf8(raw);
            ExpectShown(window, row, expected);
            reached[std::size_t(expected)] = true;
        }
    }
    for (int n : ListedPhrases(1, 831))
        EXPECT_TRUE(reached[std::size_t(n)]) << "phrase " << n << " never found";
}

TEST(ContentWindow, EveryRelatedRowShowsItsOwnPhrase)
{
    ContentWindow window;
    window.book.captionMode = kRelatedMode;
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("related phrases of " + std::to_string(n));
        window.book.loadedPhrase = n;
        ASSERT_TRUE(window.book.FindRelatedPhrases());
        const std::vector<int> related = RelatedPhraseNumbers(Content().related[std::size_t(n - 1)]);
        ASSERT_EQ(window.list.RowCount(), int(related.size()));
        for (int row = 0; row < window.list.RowCount(); ++row) {
            // Related rows are plain text: brackets gone, nothing to choose.
            EXPECT_EQ(window.list.RowText(row).find_first_of(u"[]"), std::u16string::npos);
            ExpectShown(window, row, related[std::size_t(row)]);
        }
    }
}
