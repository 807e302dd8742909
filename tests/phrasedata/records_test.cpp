// The record formats, byte for byte, and the code page of the map.

#include "citem.h"
#include "codepage.h"
#include "files.h"
#include "phrasefixtures.h"
#include "records.h"
#include "tempdir.h"
#include "text.h"

#include <gtest/gtest.h>

TEST(Records, PhraseRecordLayout)
{
    const auto bytes = PhraseRecord{u"Hi\u00E9", 0x01020304}.Encode();
    ASSERT_EQ(bytes.size(), 124u);
    EXPECT_EQ(bytes[0], 'H');
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[4], 0xE9);
    EXPECT_EQ(bytes[5], 0x00);
    EXPECT_EQ(bytes[6], 0);   // terminator
    EXPECT_EQ(bytes[7], 0);
    // The number is little-endian at offset 120.
    EXPECT_EQ(bytes[120], 0x04);
    EXPECT_EQ(bytes[121], 0x03);
    EXPECT_EQ(bytes[122], 0x02);
    EXPECT_EQ(bytes[123], 0x01);
    const PhraseRecord back = PhraseRecord::Decode(bytes.data());
    EXPECT_EQ(back.text, u"Hi\u00E9");
    EXPECT_EQ(back.phraseNumber, 0x01020304);
}

TEST(Records, TextFieldsNeverRunPastTheirEnd)
{
    // A field with no terminator is read up to its end and no further.
    std::uint8_t english[124];
    for (int i = 0; i < 120; i += 2) {
        english[i] = 'a';
        english[i + 1] = 0;
    }
    english[120] = 7;
    english[121] = english[122] = english[123] = 0;
    const PhraseRecord record = PhraseRecord::Decode(english);
    EXPECT_EQ(record.text.size(), 60u);
    EXPECT_EQ(record.phraseNumber, 7);

    // Writing keeps room for the terminator: 80 units become 79.
    const auto french = TranslationRecord{std::u16string(80, u'x')}.Encode();
    EXPECT_EQ(french[156], 'x');
    EXPECT_EQ(french[158], 0);
    EXPECT_EQ(french[159], 0);
    EXPECT_EQ(TranslationRecord::Decode(french.data()).text.size(), 79u);

    std::uint8_t map[178];
    std::fill(map, map + 176, 'm');
    map[176] = 0xFE;
    map[177] = 0xFF;   // -2
    const MapRecord mapRecord = MapRecord::Decode(map);
    EXPECT_EQ(mapRecord.text.size(), 176u);
    EXPECT_EQ(mapRecord.variantCount, -2);
}

TEST(Records, MapRecordLayout)
{
    const auto bytes = MapRecord{"Take [bus|train]", 0x0203}.Encode();
    ASSERT_EQ(bytes.size(), 178u);
    EXPECT_EQ(bytes[0], 'T');
    EXPECT_EQ(bytes[16], 0);
    EXPECT_EQ(bytes[176], 0x03);
    EXPECT_EQ(bytes[177], 0x02);
}

TEST(Records, OffsetsOfPhraseThree)
{
    ScopedTempDir dir;
    WriteNumberedBook(3);
    const Bytes english = ReadFile("English.dat");
    const Bytes french = ReadFile("French.dat");
    const Bytes map = ReadFile("MapEngSpec.data");
    ASSERT_EQ(english.size(), 3u * 124);
    ASSERT_EQ(french.size(), 3u * 160);
    ASSERT_EQ(map.size(), 3u * 178);
    EXPECT_EQ(english[248], 'P');
    EXPECT_EQ(english[248 + 14], '3');
    EXPECT_EQ(english[248 + 120], 3);
    EXPECT_EQ(french[320 + 14], '3');
    EXPECT_EQ(map[356 + 7], '3');
    EXPECT_EQ(map[532], 1);
    EXPECT_EQ(map[533], 0);
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
    EXPECT_EQ(CItem(u"Take [bus|train|taxi] 3").displayText, u"Take [bus] 3");
    EXPECT_EQ(CItem(u"[a|b] and [c|d]").displayText, u"[a] and [c]");
    EXPECT_EQ(CItem(u"Do you have [a map|a guide]?").displayText, u"Do you have [a map]?");
    EXPECT_EQ(CItem(u"Do you have [a map|a guide]?").rawText, u"Do you have [a map|a guide]?");
    EXPECT_EQ(CItem(u"No brackets here").displayText, u"No brackets here");
    // Malformed groups stay inside the text and are left alone.
    EXPECT_EQ(CItem(u"[lonely] and [x|y]").displayText, u"[lonely] and [x]");
    EXPECT_EQ(CItem(u"open [a|b").displayText, u"open [a|b");
    EXPECT_EQ(CItem(u"]|[").displayText, u"]|[");
}

TEST(Text, StripAndClean)
{
    EXPECT_EQ(StripBrackets(u"[a]b[c"), u"abc");
    EXPECT_EQ(PhraseKey(u"\uFEFFThank\t you\r\n"), u"Thank you");
    EXPECT_EQ(PhraseKey(u"Keep \uFEFF inside"), u"Keep \uFEFF inside");
    EXPECT_EQ(ToLower(u"HELLO \u00C9T\u00C9 \u00D7"), u"hello \u00E9t\u00E9 \u00D7");
    EXPECT_EQ(ParseDecimal(u"831"), 831);
    EXPECT_EQ(ParseDecimal(u"8a"), std::nullopt);
    EXPECT_EQ(ParseDecimal(u""), std::nullopt);
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), u"\u00E9t\u00E9 \u20AC");
    EXPECT_EQ(Utf16ToUtf8(u"\u00E9\u20AC"), "\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");   // cut short
}
