// The record formats at their edges, the code page, the text helpers, and the builders that make the phrase
// files from their UTF-16 text sources.

#include "builders.h"
#include "childprocess.h"
#include "citem.h"
#include "codepage.h"
#include "phrasebooktest.h"
#include "phrasefixtures.h"
#include "records.h"
#include "text.h"

#include <gtest/gtest.h>


TEST(Records, TextFieldsWithoutATerminatorAreReadToTheirEndOnly)
{
    auto english = PhraseRecord{std::u16string(60, u'a'), 7}.Encode();
    english[118] = 'a';   // over the terminator writing keeps: the field is read to its end and no further
    EXPECT_EQ(PhraseRecord::Decode(english.data()).text, std::u16string(60, u'a'));
    EXPECT_EQ(PhraseRecord::Decode(english.data()).phraseNumber, 7);
    auto map = MapRecord{std::string(176, 'm'), -2}.Encode();
    map[175] = 'm';
    EXPECT_EQ(MapRecord::Decode(map.data()).text, std::string(176, 'm'));
    EXPECT_EQ(MapRecord::Decode(map.data()).variantCount, -2);
}

TEST(CItem, ShowsEachGroupByItsFirstAlternativeAndLeavesMalformedGroups)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"Take [bus|train|taxi] 3", u"Take [bus] 3"}, {u"[a|b] and [c|d]", u"[a] and [c]"},
        {u"[lonely] and [x|y]", u"[lonely] and [x]"}, {u"open [a|b", u"open [a|b"}, {u"]|[", u"]|["},
    };
    for (const auto& [raw, shown] : cases)
        EXPECT_EQ(CItem(raw).displayText, shown) << Utf16ToUtf8(raw);
}

TEST(Text, ConversionsCodePageAndNumbersRefuseWhatTheyCannotRead)
{
    EXPECT_EQ(PhraseKey(u"Keep \uFEFF inside\r\n"), u"Keep \uFEFF inside");
    EXPECT_EQ(ParseDecimal(u"831"), 831);
    EXPECT_EQ(ParseDecimal(u"8a"), std::nullopt);
    EXPECT_EQ(ParseDecimal(u""), std::nullopt);
    EXPECT_EQ(Windows1252ToUtf16("\x80\x9C\x85\x81"), u"\u20AC\u0153\u2026\u0081");
    EXPECT_EQ(Utf16ToWindows1252(u"\u20AC\u0153\u2026\u0081"), "\x80\x9C\x85\x81");
    EXPECT_EQ(Utf16ToWindows1252(u"\u0100"), std::nullopt);
}

// Every ill-formed part becomes one U+FFFD and takes nothing valid with it;
// nothing decodes to a character its bytes do not spell.
TEST(Text, Utf8ReaderReplacesEachIllFormedPart)
{
    const std::u16string r = u"\uFFFD";
    const std::pair<std::string_view, std::u16string> cases[] = {
        {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", u"\u00E9t\u00E9 \u20AC \U0001F600"},   // well formed
        {"\xDF\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBF", u"\u07FF\uFFFD\U0010FFFF"},                       // the edges
        {"a\x80" "b\xBF\xBF", u"a" + r + u"b" + r + r},                                             // stray continuations
        {"\xC0\xAF\xC1\xBF", r + r + r + r},                           // overlong '/' and DEL: no lead
        {"\xE0\x80\xAF|\xE0\x9F\xBF", r + r + r + u"|" + r + r + r},  // overlong in three bytes
        {"\xF0\x80\x80\xAF|\xF0\x8F\xBF\xBF", r + r + r + r + u"|" + r + r + r + r},   // and in four
        {"\xED\xA0\x80\xED\xBF\xBF", r + r + r + r + r + r},   // surrogates
        {"\xF4\x90\x80\x80\xF5\x80\x80\x80", r + r + r + r + r + r + r + r},   // past U+10FFFF
        {"\xFE\xFF\xF8\x88\x80\x80\x80", r + r + r + r + r + r + r},              // no lead at all
        {"\xE2\x82" "a\xF0\x9F\x98 \xC3", r + u"a" + r + u" " + r},   // cut short: one U+FFFD each, the next kept
        {"\xE2\x82", r}, {"\xF0\x9F\x98", r},                        // cut short by the end
    };
    for (const auto& [utf8, utf16] : cases)
        EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << Utf16ToUtf8(utf16);
}

namespace {

using Texts16 = std::vector<std::u16string>;

template <typename Record = TranslationRecord>
Texts16 TextsOf(const std::string& name = "French.dat")
{
    Texts16 texts;
    for (const Record& record : ReadRecords<Record>(name))
        texts.push_back(record.text);
    return texts;
}

} // namespace

using Builders = PhraseBookTest;

TEST_F(Builders, EnglishGetsExactly831RecordsAndFrenchItsLinesWholeEachCutToTheirField)
{
    WriteFile("English.txt", Utf16LE(u"\uFEFFGood night\r\nA\ttab\r\n" + std::u16string(200, u'e') + u"\r\nno end"));
    WriteFile("Orlenic.txt", Utf16LE(u"\uFEFFUn\tonglet\r\n" + std::u16string(200, u'f') + u"\r\nFin"));
    ASSERT_TRUE(BuildEnglishData(w.messages) && BuildFrenchData());
    Texts16 english = TextsOf<PhraseRecord>("English.dat");
    ASSERT_EQ(english.size(), 831u);
    english.resize(5);
    EXPECT_EQ(english, (Texts16{u"\uFEFFGood night\r", u"Atab\r", std::u16string(59, u'e'), u"no end", u""}));
    EXPECT_EQ(TextsOf(), (Texts16{u"\uFEFFUn\tonglet\r", std::u16string(79, u'f'), u"Fin"}));
}

// Missing or oversized sources, or a disk that fills half-way (a file-size
// limit stands in for it): the old outputs stay whole, no work file is left.
TEST_F(Builders, AFailedBuildLeavesTheOldOutputWhole)
{
    WriteFile("English.dat", Bytes{1, 2, 3});
    WriteFile("French.dat", Bytes{4, 5});
    std::u16string book;
    for (int i = 0; i < kPhraseCount; ++i)
        book += u"Oui\r\n";
    const std::pair<Bytes, long> cases[] = {{{}, 0}, {Bytes(kMaxSourceBytes + 2, 'a'), 0}, {Utf16LE(book), 4096}};
    for (const auto& [source, sizeLimit] : cases) {
        for (const char* name : {"English.txt", "Orlenic.txt"}) {
            std::filesystem::remove(name);
            if (!source.empty())
                WriteFile(name, source);
        }
        const std::string built = RunInChild(ChildUser::Same, [&] {
            std::string built;
            built += BuildEnglishData(w.messages) ? "English.dat " : "";
            built += BuildFrenchData() ? "French.dat" : "";
            return built;
        }, sizeLimit);
        EXPECT_EQ(built, "") << source.size();
        EXPECT_EQ(ReadFile("English.dat"), (Bytes{1, 2, 3})) << source.size();
        EXPECT_EQ(ReadFile("French.dat"), (Bytes{4, 5})) << source.size();
        const long files = source.empty() ? 2 : 4;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), files) << "a work file was left";
    }
    WriteFile("Orlenic.txt", Bytes{'a', 0, '\n', 0, 'b'});   // an odd last byte is not half a character
    ASSERT_TRUE(BuildFrenchData());
    EXPECT_EQ(TextsOf(), (Texts16{u"a"}));
}
