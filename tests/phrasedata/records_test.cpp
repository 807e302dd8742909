// The record formats, byte for byte, the code page of the map and the text helpers.

#include "citem.h"
#include "codepage.h"
#include "records.h"
#include "text.h"

#include <gtest/gtest.h>

TEST(Records, FieldsSitWhereTheFilesHaveThem)
{
    const auto english = PhraseRecord{u"Hi\u00E9", 0x01020304}.Encode();
    ASSERT_EQ(english.size(), 124u);
    EXPECT_EQ(std::vector<std::uint8_t>(english.begin(), english.begin() + 8),
              (std::vector<std::uint8_t>{'H', 0, 'i', 0, 0xE9, 0, 0, 0}));
    EXPECT_EQ(ReadLE32(english.data() + 120), 0x01020304u);
    EXPECT_EQ(PhraseRecord::Decode(english.data()).text, u"Hi\u00E9");
    EXPECT_EQ(PhraseRecord::Decode(english.data()).phraseNumber, 0x01020304);

    const auto map = MapRecord{"Take [bus|train]", 0x0203}.Encode();
    ASSERT_EQ(map.size(), 178u);
    EXPECT_EQ(map[0], 'T');
    EXPECT_EQ(map[16], 0);
    EXPECT_EQ(ReadLE16(map.data() + 176), 0x0203);
    EXPECT_EQ(TranslationRecord{u"Merci"}.Encode().size(), 160u);
}

TEST(Records, TextFieldsNeverRunPastTheirEnd)
{
    // A field with no terminator is read up to its end and no further.
    std::uint8_t english[124] = {};
    for (int i = 0; i < 120; i += 2)
        english[i] = 'a';
    english[120] = 7;
    EXPECT_EQ(PhraseRecord::Decode(english).text.size(), 60u);
    EXPECT_EQ(PhraseRecord::Decode(english).phraseNumber, 7);

    // Writing keeps room for the terminator: 80 units become 79.
    const auto french = TranslationRecord{std::u16string(80, u'x')}.Encode();
    EXPECT_EQ(french[156], 'x');
    EXPECT_EQ(french[158], 0);
    EXPECT_EQ(french[159], 0);
    EXPECT_EQ(TranslationRecord::Decode(french.data()).text.size(), 79u);

    std::uint8_t map[178];
    std::fill(map, map + 176, 'm');
    map[176] = 0xFE;
    map[177] = 0xFF;
    EXPECT_EQ(MapRecord::Decode(map).text.size(), 176u);
    EXPECT_EQ(MapRecord::Decode(map).variantCount, -2);
}

TEST(Codepage, Windows1252BothWays)
{
    const std::string bytes = "caf\xE9 \x80 \x9C\x85\x81";
    const std::u16string text = Windows1252ToUtf16(bytes);
    EXPECT_EQ(text, u"caf\u00E9 \u20AC \u0153\u2026\u0081");
    EXPECT_EQ(Utf16ToWindows1252(text), bytes);
    EXPECT_EQ(Utf16ToWindows1252(u"\u4E2D"), std::nullopt);
    EXPECT_EQ(Utf16ToWindows1252(u"\u0100"), std::nullopt);
}

TEST(CItem, ShowsEachGroupByItsFirstAlternative)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"Take [bus|train|taxi] 3", u"Take [bus] 3"},
        {u"[a|b] and [c|d]", u"[a] and [c]"},
        {u"No brackets here", u"No brackets here"},
        // Malformed groups stay inside the text and are left alone.
        {u"[lonely] and [x|y]", u"[lonely] and [x]"},
        {u"open [a|b", u"open [a|b"},
        {u"]|[", u"]|["},
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(CItem(raw).displayText, shown) << Utf16ToUtf8(raw);
        EXPECT_EQ(CItem(raw).rawText, raw);
    }
}

TEST(Text, ConversionsAndNumbersRefuseWhatTheyCannotRead)
{
    EXPECT_EQ(PhraseKey(u"Keep \uFEFF inside\r\n"), u"Keep \uFEFF inside");
    EXPECT_EQ(ParseDecimal(u"831"), 831);
    EXPECT_EQ(ParseDecimal(u"8a"), std::nullopt);
    EXPECT_EQ(ParseDecimal(u""), std::nullopt);
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), u"\u00E9t\u00E9 \u20AC");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");   // cut short
}
