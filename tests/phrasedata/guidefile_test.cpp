// "Guide.dat" and the phrase sheet's contents: the records as stored, what a
// torn or foreign file gives, and the phrases a sheet gathers.

#include "datafilecheck.h"
#include "guidefile.h"
#include "phrasefixtures.h"
#include "records.h"
#include "sheetphrases.h"
#include "tempdir.h"
#include "text.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

std::u16string RespellingOf(int number)
{
    const std::optional<GuideRecord> guide = ReadPhraseGuide(".", number);
    return guide ? guide->respelling : u"<none>";
}

std::string GuideProblem()
{
    for (const DataFileProblem& problem : CheckDataFiles("."))
        if (problem.fileName == kGuideFileName)
            return Utf16ToUtf8(problem.fault) + ": " + Utf16ToUtf8(problem.consequence);
    return "";
}

} // namespace

TEST(GuideFile, RecordsGiveBackTheirTextsAndRefuseToBeCut)
{
    const GuideRecord record{u"oo sohn lay twah-LET", u"u sɔ̃ le twaˈlɛt"};
    const GuideRecord back = GuideRecord::Decode(record.Encode().data());
    EXPECT_EQ(std::pair(back.respelling, back.ipa), std::pair(record.respelling, record.ipa));
    // A text filling its field would lose its terminator: the builder is told.
    EXPECT_TRUE(record.Fits());
    EXPECT_FALSE((GuideRecord{std::u16string(128, u'a'), u""}.Fits()));
    EXPECT_TRUE((GuideRecord{std::u16string(127, u'a'), std::u16string(95, u'a')}.Fits()));
    EXPECT_FALSE((GuideRecord{u"a", std::u16string(96, u'a')}.Fits()));
}

TEST(GuideFile, AMissingTornOrForeignFileGivesNoGuideAndIsNamedAtStart)
{
    const ScopedTempDir dir;
    WriteNumberedGuide(kPhraseCount);
    EXPECT_EQ((std::vector{RespellingOf(1), RespellingOf(831), RespellingOf(0), RespellingOf(832), RespellingOf(-5)}),
              (std::vector<std::u16string>{u"frahz 1", u"frahz 831", u"<none>", u"<none>", u"<none>"}));
    EXPECT_EQ(GuideProblem(), "");

    // An empty record is no guide.
    std::vector<GuideRecord> guides = NumberedGuides(kPhraseCount);
    guides[9] = {};
    WriteGuide(guides);
    EXPECT_EQ(std::pair(RespellingOf(10), RespellingOf(11)), std::pair(u"<none>"s, u"frahz 11"s));

    // Torn, short by a record, or a record too many: no phrase gets a guide
    // that may be another's.
    for (const std::uintmax_t size : {831u * 448u - 1u, 830u * 448u, 832u * 448u}) {
        WriteNumberedGuide(kPhraseCount);
        if (size > 831u * 448u)
            WriteGuide(std::vector<GuideRecord>(832, GuideRecord{u"x", u"x"}));
        else
            std::filesystem::resize_file(kGuideFileName, size);
        EXPECT_EQ(std::pair(RespellingOf(1), RespellingOf(500)), std::pair(u"<none>"s, u"<none>"s)) << size;
        EXPECT_EQ(GuideProblem(), "is damaged (" + std::to_string(size) + " bytes where 372288 are expected" +
                                      (size % 448 ? ", its last record torn" : "") + "): no pronunciation guide is shown");
    }
    // A missing file is named at start and shows no guide in the window (phraseactions_test).
}

TEST(SheetPhrases, GroupsChosenPhrasesByCategoryOnceEachInTheGivenOrder)
{
    const ScopedTempDir dir;
    WriteNumberedBook(831);
    std::vector<std::u16string> english;
    for (int n = 1; n <= 831; ++n)
        english.push_back(n == 3 ? u"Take the [bus]." : NumberedText(n));
    WriteEnglishTexts(english);
    // Travel 172-330, Basic 1-171, Question 765-831; 900 and 0 are no phrases.
    const std::vector<SheetGroup> groups = GatherSheetPhrases(".", {200, 3, 831, 900, 0, 1, 200, 765});
    std::vector<std::pair<std::u16string, std::vector<int>>> shape;
    for (const SheetGroup& group : groups) {
        shape.push_back({group.category, {}});
        for (const SheetPhrase& phrase : group.phrases)
            shape.back().second.push_back(phrase.number);
    }
    EXPECT_EQ(shape, (decltype(shape){{u"Basic", {3, 1}}, {u"Travel", {200}}, {u"Question", {831, 765}}}));
    const SheetPhrase& bus = groups[0].phrases[0];
    EXPECT_EQ(std::tuple(bus.english, bus.french, bus.respelling), std::tuple(u"Take the bus."s, u"Phrase 3 fr"s, u"frahz 3"s));

    // Favourites are read in the order they were added; no store, no phrases.
    EXPECT_TRUE(FavouritePhraseNumbers("favorite.dat").empty());
    WriteFavourites("favorite.dat", {42, 7});
    EXPECT_EQ(FavouritePhraseNumbers("favorite.dat"), (std::vector{42, 7}));
}
