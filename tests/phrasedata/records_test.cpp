// The record formats at their edges, the code page, the text helpers, and the builders that make the phrase
// files from their UTF-16 text sources.

#include "builders.h"
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
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), u"\u00E9t\u00E9 \u20AC");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");   // cut short
    EXPECT_EQ(Windows1252ToUtf16("\x80\x9C\x85\x81"), u"\u20AC\u0153\u2026\u0081");
    EXPECT_EQ(Utf16ToWindows1252(u"\u20AC\u0153\u2026\u0081"), "\x80\x9C\x85\x81");
    EXPECT_EQ(Utf16ToWindows1252(u"\u0100"), std::nullopt);
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

TEST_F(Builders, EnglishGetsExactly831NumberedRecordsCutToTheirField)
{
    WriteFile("English.txt", Utf16LE(u"\uFEFFGood night\r\nA\ttab\r\n" + std::u16string(200, u'e') + u"\r\nno end"));
    ASSERT_TRUE(BuildEnglishData(w.messages));
    Texts16 texts = TextsOf<PhraseRecord>("English.dat");
    ASSERT_EQ(texts.size(), 831u);
    texts.resize(5);
    EXPECT_EQ(texts, (Texts16{u"\uFEFFGood night\r", u"Atab\r", std::u16string(59, u'e'), u"no end", u""}));
}

TEST_F(Builders, FrenchKeepsItsLinesWholeCutToTheirField)
{
    WriteFile("Orlenic.txt", Utf16LE(u"\uFEFFUn\tonglet\r\n" + std::u16string(200, u'f') + u"\r\nFin"));
    ASSERT_TRUE(BuildFrenchData());
    EXPECT_EQ(TextsOf(), (Texts16{u"\uFEFFUn\tonglet\r", std::u16string(79, u'f'), u"Fin"}));
}

TEST_F(Builders, MissingOrOversizedSourcesLeaveTheOutputAlone)
{
    WriteFile("English.dat", Bytes{1, 2, 3});
    WriteFile("French.dat", Bytes{4, 5});
    EXPECT_FALSE(BuildEnglishData(w.messages) || BuildFrenchData());   // no sources
    for (const char* source : {"English.txt", "Orlenic.txt"})
        WriteFile(source, Bytes(kMaxSourceBytes + 2, 'a'));
    EXPECT_FALSE(BuildEnglishData(w.messages) || BuildFrenchData());
    EXPECT_EQ(ReadFile("English.dat"), (Bytes{1, 2, 3}));
    EXPECT_EQ(ReadFile("French.dat"), (Bytes{4, 5}));
    WriteFile("Orlenic.txt", Bytes{'a', 0, '\n', 0, 'b'});   // an odd last byte is not half a character
    ASSERT_TRUE(BuildFrenchData());
    EXPECT_EQ(TextsOf(), (Texts16{u"a"}));
}
