// The builders that make the phrase files from their UTF-16 text sources.

#include "builders.h"
#include "fakeviews.h"
#include "phrasefixtures.h"
#include "records.h"

#include <gtest/gtest.h>

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
