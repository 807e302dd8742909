// The pieces of the word search: splitting, stems, sound keys, typing slips,
// the search data's lines, and the ranking of a small book.

#include "editdistance.h"
#include "groupedvalues.h"
#include "searchdata.h"
#include "searchwords.h"
#include "soundkeys.h"
#include "text.h"
#include "wordindex.h"

#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(MatchKind kind, std::ostream* out) { *out << int(kind); }

using Words = std::vector<std::string>;

TEST(WordSearchPieces, WordsSplitAtHyphensApostrophesAndPunctuationWithoutCaseOrAccents)
{
    const struct { std::u16string text; Words words; } cases[] = {
        {u"Centre-ville", {"centre", "ville"}},
        {u"L\u2019addition, s'il vous pla\u00EEt\u00A0!", {"l", "addition", "s", "il", "vous", "plait"}},
        {u"CAF\u00C9 cr\u00E8me [two|three]", {"cafe", "creme", "two", "three"}},
        {u"\u0152uf 2x", {"oeuf", "2x"}}, {u" -- ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitWords(std::u16string_view(c.text)), c.words) << Utf16ToUtf8(c.text);
}

TEST(WordSearchPieces, TypingSlipsCountInsertionsDeletionsSubstitutionsAndNeighbourSwaps)
{
    EXPECT_EQ((std::vector<int>{TypoAllowance(4), TypoAllowance(5), TypoAllowance(8), TypoAllowance(9)}),
              (std::vector<int>{0, 1, 1, 2}));
    const struct { const char* a; const char* b; int limit; int distance; } cases[] = {
        {"resturant", "restaurant", 2, 1}, {"pasport", "passport", 1, 1}, {"docter", "doctor", 1, 1},
        {"hlelo", "hello", 1, 1}, {"acomodation", "accommodation", 2, 2}, {"restrant", "restaurant", 1, 2},
        {"abcdef", "ghijkl", 2, 3}, {"", "abc", 3, 3}, {"same", "same", 0, 0}, {"ab", "abcd", 1, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditDistance(c.a, c.b, c.limit), c.distance) << c.a << " / " << c.b;
}

TEST(WordSearchPieces, SoundKeysJoinSpellingsByEarAndKeepOtherWordsApart)
{
    const struct { std::string (*key)(std::string_view); const char* a; const char* b; bool same; } cases[] = {
        {EnglishSoundKey, "restrant", "restaurant", true}, {EnglishSoundKey, "nite", "night", true},
        {EnglishSoundKey, "foto", "photo", true}, {EnglishSoundKey, "acomodation", "accommodation", true},
        {EnglishSoundKey, "nolege", "knowledge", true}, {EnglishSoundKey, "ticket", "taxi", false},
        {EnglishSoundKey, "bus", "business", false},
        {FrenchSoundKey, "bocou", "beaucoup", true}, {FrenchSoundKey, "toilete", "toilettes", true},
        {FrenchSoundKey, "gato", "gateau", true}, {FrenchSoundKey, "frommage", "fromage", true},
        {FrenchSoundKey, "pharmassi", "pharmacie", true}, {FrenchSoundKey, "gare", "garer", false},
        {FrenchSoundKey, "pain", "peine", false}, {FrenchSoundKey, "bocoo", "beaucoup", true},
        {FrenchSoundKey, "anglay", "anglais", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.key(c.a) == c.key(c.b), c.same) << c.a << " " << c.key(c.a) << " / " << c.b << " " << c.key(c.b);
    EXPECT_EQ(EnglishSoundKey("caf\xC3\xA9"), "");   // only folded words have keys
}

TEST(WordSearchPieces, SearchDataLinesAreReadOrRefusedWithTheirReason)
{
    // Well-formed lines are read and written back byte for byte by make-phrasebook (make_phrasebook_test).
    std::string error;
    for (const char* bad : {"alone", "a,,b", "a > ", "> b", "a, b > c", "a > b > c"})
        EXPECT_FALSE(ParseSynonymLine(bad, error)) << bad;
    for (const char* bad : {"0|a", "832|a", "x|a", "531 shower", "531|", "99999999999|a", "531|a|4", "531|a|", "531||2"})
        EXPECT_FALSE(ParseKeywordsLine(bad, 831, error)) << bad;
    EXPECT_EQ(SearchDataFault(kKeywordsFile, "# made\n\n531|shower\n7\n", 831),
              "line 4: expected \"NUMBER|keyword,keyword\" with a phrase number from 1 to 831");
    EXPECT_EQ(SearchDataFault(kSynonymsFile, std::string("a,b\n\0", 5), 831), "it is not text");
    EXPECT_EQ(SearchDataFault(kSynonymsFile, "\xEF\xBB\xBFloo, wc\r\ncab>taxi\r\n", 831), std::nullopt);
}

TEST(WordSearchPieces, EqualMatchesGoShorterFirstWhenMatchedByTheirOwnWordsThenMostNeededThenInBookOrder)
{
    // number, family, words of its English, need; all match the one word typed.
    const std::vector<IndexedSlot> phrases{{1, 0, 6, 0}, {2, 1, 3, 0}, {3, 2, 3, 2}, {4, 3, 2, 3}, {5, 4, 1, 0},
                                           {6, 5, 6, 0}};
    const std::vector<std::uint8_t> kinds{kSameWord, kSameWord, kSameWord, kKeyword, kKeyword, kSameWord};
    EXPECT_EQ(RankPhrases(kinds, 1, phrases, phrases.size()), (std::vector<int>{3, 2, 1, 6, 4, 5}));
}

namespace {

IndexedPhrase Phrase(int number, std::u16string english, std::u16string french, Words keywords = {}, int family = 0)
{
    return {number, family ? family : number, std::move(english), std::move(french), std::move(keywords), 0};
}

class SmallBook : public ::testing::Test {
protected:
    WordIndex index{
        {Phrase(1, u"Does this bus go to the town centre?", u"Est-ce que ce bus va au centre-ville ?"),
         Phrase(2, u"I am travelling on business.", u"Je voyage pour affaires."),
         Phrase(3, u"Be careful!", u"Attention !"),
         Phrase(4, u"I would like to rent a car.", u"Je voudrais louer une voiture."),
         Phrase(5, u"Can I park my car here?", u"Puis-je garer ma voiture ici ?"),
         Phrase(6, u"Take me to the station.", u"Conduisez-moi \u00E0 la gare."),
         Phrase(7, u"My [soup] is cold.", u"Ma soupe est froide."),
         Phrase(8, u"My [coffee] is cold.", u"Mon caf\u00E9 est froid.", {}, 7),
         Phrase(9, u"The bill, please.", u"L'addition, s'il vous pla\u00EEt.", {"pay"}),
         Phrase(10, u"Could we have some more bread?", u"Pourrions-nous avoir encore du pain ?"),
         Phrase(11, u"I have a pain here.", u"J'ai mal ici."),
         Phrase(12, u"Where can I find a seafood restaurant?", u"O\u00F9 trouver un restaurant de fruits de mer ?"),
         Phrase(13, u"Is there Wi-Fi?", u"Y a-t-il le Wi-Fi ?"),
         Phrase(14, u"There is no hot water.", u"Il n'y a pas d'eau chaude.", {"shower", "cold", "douche froide"}),
         Phrase(15, u"Where are the toilets?", u"O\u00F9 sont les toilettes ?"),
         Phrase(16, u"Where is the taxi rank?", u"O\u00F9 est la station de taxis ?"),
         Phrase(17, u"It hurts here.", u"J'ai mal l\u00E0.", {"pain"})},
        {{{"toilet", "restroom", "loo"}, false}, {{"cab", "taxi"}, true}, {{"cash machine", "atm"}, false}}};

    std::vector<int> Top(const char16_t* keyword, std::size_t rows = 3) const
    {
        std::vector<int> found = index.Search(keyword);
        found.resize(std::min(found.size(), rows));
        return found;
    }
};

} // namespace

TEST_F(SmallBook, WholeWordsComeBeforeLongerWordsAndAWordOfBothLanguagesFollowsTheRest)
{
    const struct { const char16_t* keyword; std::vector<int> top; } cases[] = {
        {u"bus", {1, 2}},                 // "business" only after the bus
        {u"car", {5, 4, 3}},              // the shorter phrase first; "careful" last
        {u"gare", {6, 5}},                // the station before "garer"
        {u"coffee", {8}},                 // the member that matched, not the family's first
        {u"pain", {11, 17, 10}},          // alone, in English first, its keyword sense too
        {u"du pain", {10, 17, 11}},       // with French, the bread first
        {u"shower cold", {14, 7}},        // the phrase whose keywords cover both words first
        {u"where toilet", {15, 16, 12}},  // the rare word decides; "where" alone brings the rest
        {u"the", {9, 15, 6}},             // a common word alone still finds, shortest first
        {u"the zebra", {}},               // but never brings a row beside a word that finds nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(Top(c.keyword), c.top) << Utf16ToUtf8(c.keyword);
}

TEST_F(SmallBook, EachWayOfMatchingHasItsKind)
{
    const struct { const char16_t* keyword; int phrase; std::vector<MatchKind> kinds; } cases[] = {
        {u"restrooms", 15, {kSynonym}},
        {u"pay", 9, {kKeyword}},
        {u"douche", 14, {kSynonym}},      // a word of a longer keyword
        {u"cold", 14, {kKeyword}},
        {u"rest", 12, {kInsideLongerWord}},
        {u"rest ", 12, {kNoMatch}},       // a finished word is no prefix
        {u"taxi", 16, {kSameWord}},
    };
    for (const auto& c : cases) {
        index.Search(c.keyword);
        EXPECT_EQ(index.LastMatches(c.phrase), c.kinds) << Utf16ToUtf8(c.keyword);
    }
    // One-way synonyms: "taxi" does not find what "cab" would.
    index.Search(u"taxi");
    EXPECT_EQ(index.LastMatches(9), std::vector<MatchKind>{kNoMatch});
}

TEST_F(SmallBook, OffersTheBooksOwnWordsButNotItsKeywords)
{
    // The window's keyword box offers them with their accents (the window's command tests).
    const std::vector<std::u16string>& words = index.BookWords();
    EXPECT_TRUE(std::find(words.begin(), words.end(), u"toilets") != words.end());
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
    EXPECT_TRUE(std::find(words.begin(), words.end(), u"shower") == words.end());
}

// The index's grouped lists: each group keeps its values in the order added,
// a repeat is dropped only right after its twin in the same group, and
// values long enough to live on the heap come through sealing whole.
TEST(WordSearchPieces, GroupedValuesKeepEachGroupInOrder)
{
    const std::string longWord(40, 'x');
    GroupedValues<std::string> groups;
    for (const auto& [group, value] : std::vector<std::pair<std::uint32_t, std::string>>{
             {2, "a"}, {0, longWord}, {2, "a"}, {2, "b"}, {0, "c"}, {2, "a"}, {3, "a"}})
        groups.Add(group, value);
    groups.Seal(4, [](const std::string& previous, const std::string& value) { return previous == value; });
    const auto values = [&](std::uint32_t group) {
        const auto span = groups.Of(group);
        return std::vector<std::string>(span.begin(), span.end());
    };
    EXPECT_EQ(values(0), (std::vector<std::string>{longWord, "c"}));
    EXPECT_TRUE(values(1).empty());
    EXPECT_EQ(values(2), (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_EQ(values(3), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(values(9).empty());

    KeyedGroups<std::string, int> keyed;
    keyed.Add("stem", 1);
    keyed.Add("other", 2);
    keyed.Add("stem", 3);
    keyed.Seal();
    EXPECT_EQ(std::vector<int>(keyed.Find("stem").begin(), keyed.Find("stem").end()), (std::vector<int>{1, 3}));
    EXPECT_TRUE(keyed.Find("missing").empty());
}
