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

std::string Utf8(std::u16string_view text)
{
    return Utf16ToUtf8(text);
}

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
    EXPECT_EQ(shown, expected) << "row " << row << ": " << Utf8(window.list.RowText(row));
    EXPECT_TRUE(window.messages.shown.empty()) << Utf8(window.messages.shown.front());
    window.messages.shown.clear();
    EXPECT_EQ(window.book.translationText, FrenchShown(expected));
    EXPECT_EQ(window.player.lastClip.size(), ClipLength(expected));
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
            SCOPED_TRACE(Utf8(category.buttonLabel) + " / " + Utf8(sub.name));
            ++listings;
            ASSERT_TRUE(window.book.LoadPhraseRange(sub.phrases.first, sub.phrases.last));
            const std::vector<int> listed = ListedPhrases(sub.phrases.first, sub.phrases.last);
            ASSERT_EQ(window.list.RowCount(), int(listed.size()));
            for (int row = 0; row < window.list.RowCount(); ++row) {
                ExpectShown(window, row, listed[std::size_t(row)]);
                const CItem& item = *window.list.ItemAt(row);
                const std::optional<GroupedText> group = GroupOf(item.rawText);
                if (!group)
                    continue;
                for (std::size_t i = 0; i < group->alternatives.size(); ++i) {
                    window.list.SetRowText(row, ChooseAlternative(item, i));
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
        SCOPED_TRACE("keyword \"" + Utf8(keyword) + "\"");
        window.hooks.keyword = keyword;
        window.hooks.exactMatch = exact;
        window.book.captionMode = kSearchMode;
        window.book.LoadAllPhrases();
        window.book.SearchPhrases();
        ASSERT_GT(window.list.RowCount(), 0);
        if (exact) {
            EXPECT_EQ(window.list.RowCount(), 1);
        }
        for (int row = 0; row < window.list.RowCount(); ++row) {
            // The row came from the map record that holds its text, and shows
            // the member of that family whose English it reads (a French match
            // may show another member than the first).
            const std::u16string raw = window.list.ItemAt(row)->rawText;
            int expected = 0;
            for (int n = 1; n <= 831 && expected == 0; ++n) {
                if (MapText(n) == raw)
                    expected = n;
            }
            ASSERT_NE(expected, 0) << Utf8(raw);
            const int first = expected;
            for (int member = first; member < first + Content().map[std::size_t(first - 1)].variantCount; ++member) {
                if (EnglishKey(member) == window.list.RowText(row))
                    expected = member;
            }
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
