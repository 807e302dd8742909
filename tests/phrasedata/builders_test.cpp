// The builders that make the phrase files from their UTF-16 text sources.

#include "builders.h"
#include "fakeviews.h"
#include "files.h"
#include "records.h"
#include "tempdir.h"

#include <gtest/gtest.h>

namespace {

void WriteSource(const std::string& name, const std::u16string& text)
{
    WriteFile(name, Utf16LE(text));
}

std::vector<PhraseRecord> EnglishRecords()
{
    const Bytes bytes = ReadFile("English.dat");
    std::vector<PhraseRecord> records;
    for (std::size_t at = 0; at + 124 <= bytes.size(); at += 124)
        records.push_back(PhraseRecord::Decode(bytes.data() + at));
    return records;
}

std::vector<std::u16string> FrenchTexts()
{
    const Bytes bytes = ReadFile("French.dat");
    std::vector<std::u16string> texts;
    for (std::size_t at = 0; at + 160 <= bytes.size(); at += 160)
        texts.push_back(TranslationRecord::Decode(bytes.data() + at).text);
    return texts;
}

} // namespace

TEST(Builders, EnglishGetsExactly831NumberedRecordsCutToTheirField)
{
    ScopedTempDir dir;
    WriteSource("English.txt", u"\uFEFFGood night\r\nA\ttab\r\n" + std::u16string(200, u'e') + u"\r\nno end");
    FakeMessages messages;
    ASSERT_TRUE(BuildEnglishData(messages));
    const auto records = EnglishRecords();
    ASSERT_EQ(records.size(), 831u);
    EXPECT_EQ(records[0].text, u"\uFEFFGood night\r");
    EXPECT_EQ(records[1].text, u"Atab\r");
    EXPECT_EQ(records[2].text, std::u16string(59, u'e'));
    EXPECT_EQ(records[3].text, u"no end");
    EXPECT_EQ(records[4].text, u"");
    for (int i = 0; i < 831; ++i)
        EXPECT_EQ(records[std::size_t(i)].phraseNumber, i + 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Builders, FrenchKeepsItsLinesWholeAndStopsAt831)
{
    ScopedTempDir dir;
    WriteSource("Orlenic.txt", u"\uFEFFUn\tonglet\r\n" + std::u16string(200, u'f') + u"\r\nFin");
    ASSERT_TRUE(BuildFrenchData());
    EXPECT_EQ(FrenchTexts(), (std::vector<std::u16string>{u"\uFEFFUn\tonglet\r", std::u16string(79, u'f'), u"Fin"}));

    // A whole phrase book runs past 50,000 bytes: its last lines must not be lost.
    std::u16string source;
    for (int i = 1; i <= 900; ++i)
        source += u"Une phrase fran\u00E7aise assez longue, num\u00E9ro " + DecimalText(i) + u"\r\n";
    WriteSource("Orlenic.txt", source);
    ASSERT_TRUE(BuildFrenchData());
    const auto texts = FrenchTexts();
    ASSERT_EQ(texts.size(), 831u);
    EXPECT_EQ(texts[830], u"Une phrase fran\u00E7aise assez longue, num\u00E9ro 831\r");
}

TEST(Builders, MissingOrOversizedSourcesLeaveTheOutputAlone)
{
    ScopedTempDir dir;
    FakeMessages messages;
    WriteFile("English.dat", Bytes{1, 2, 3});
    WriteFile("French.dat", Bytes{4, 5});
    for (bool present : {false, true}) {
        if (present) {
            WriteFile("English.txt", Bytes(kMaxSourceBytes + 2, 'a'));
            WriteFile("Orlenic.txt", Bytes(kMaxSourceBytes + 2, 'a'));
        }
        EXPECT_FALSE(BuildEnglishData(messages));
        EXPECT_FALSE(BuildFrenchData());
        EXPECT_EQ(ReadFile("English.dat"), (Bytes{1, 2, 3}));
        EXPECT_EQ(ReadFile("French.dat"), (Bytes{4, 5}));
    }

    // An odd last byte is not half a character.
    WriteFile("Orlenic.txt", Bytes{'a', 0, '\n', 0, 'b'});
    ASSERT_TRUE(BuildFrenchData());
    EXPECT_EQ(FrenchTexts(), (std::vector<std::u16string>{u"a"}));
}
