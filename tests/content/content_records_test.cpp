// The phrase files, the category map and the related-phrase table hold one
// well-formed record per phrase, in the sizes and conventions their readers
// rely on.

#include "contentdata.h"

#include "codepage.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

constexpr char16_t kByteOrderMark = u'\uFEFF';

bool StartsWithMark(const std::u16string& text)
{
    return !text.empty() && text.front() == kByteOrderMark;
}

} // namespace

TEST(ContentRecords, FilesHoldExactlyOneRecordPerPhrase)
{
    const ContentData& data = Content();
    EXPECT_EQ(data.englishFile.size(), 831u * 124);
    EXPECT_EQ(data.frenchFile.size(), 831u * 160);
    EXPECT_EQ(data.mapFile.size(), 831u * 178);
    EXPECT_EQ(data.relateFile.size(), 86424u);
    EXPECT_EQ(ReadFile(DataPath("data.idx")).size(), 831u * 8);
}

TEST(ContentRecords, EveryPhraseIsNumberedKeyedTranslatedAndMappedAsTheReadersExpect)
{
    const ContentData& data = Content();
    ASSERT_EQ(data.english.size(), 831u);
    ASSERT_EQ(data.french.size(), 831u);
    ASSERT_EQ(data.map.size(), 831u);
    // Every phrase is found by its text, and a keyword search files all 831
    // at once: two equal keys would send one phrase to the other's translation.
    std::map<std::u16string, int> keys;
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        const PhraseRecord& english = data.english[std::size_t(n - 1)];
        EXPECT_EQ(english.phraseNumber, n);
        EXPECT_LT(english.text.size(), PhraseRecord::kTextUnits);   // the terminator lies inside the field
        // Only record 1 carries the byte-order mark, which the readers drop there alone.
        EXPECT_EQ(StartsWithMark(english.text), n == 1);
        const std::u16string key = EnglishKey(n);
        ASSERT_FALSE(key.empty());
        // A listed row's text must fit the window's 60-unit selection buffer.
        EXPECT_LT(key.size(), 60u);
        EXPECT_TRUE(key.front() != u' ' && key.back() != u' ') << Utf16ToUtf8(key);
        EXPECT_TRUE(std::all_of(key.begin(), key.end(), [](char16_t c) { return c >= 0x20 && c < 0x7F; }))
            << "not plain ASCII: " << Utf16ToUtf8(key);
        const auto [it, inserted] = keys.emplace(ToLower(StripBrackets(key)), n);
        EXPECT_TRUE(inserted) << "repeats phrase " << it->second << ": " << Utf16ToUtf8(key);

        const std::u16string& french = data.french[std::size_t(n - 1)].text;
        EXPECT_LT(french.size(), TranslationRecord::kTextUnits);
        EXPECT_EQ(StartsWithMark(french), n == 1);
        // The reader drops the last character as the line's carriage return:
        // anything else there would cut a letter off the translation.
        ASSERT_GE(french.size(), 2u);
        EXPECT_EQ(french.back(), u'\r');
        const std::u16string shown = FrenchShown(n);
        EXPECT_EQ(shown.find_first_of(u"\r\n\t\uFEFF|"), std::u16string::npos) << Utf16ToUtf8(shown);
        for (std::size_t i = 1; i < shown.size(); ++i) {
            const bool mark = std::u16string_view(u"?!:;").find(shown[i]) != std::u16string_view::npos;
            EXPECT_TRUE(!mark || std::u16string_view(u"?!\u00A0").find(shown[i - 1]) != std::u16string_view::npos)
                << "no no-break space before a mark: " << Utf16ToUtf8(shown);
        }
        EXPECT_NE(shown.find_first_of(u"?!:;"), 0u) << Utf16ToUtf8(shown);

        const MapRecord& map = data.map[std::size_t(n - 1)];
        EXPECT_LT(map.text.size(), MapRecord::kTextBytes);
        EXPECT_GE(map.variantCount, 1);
        EXPECT_EQ(map.text.find('\n'), std::string::npos);
        EXPECT_EQ(Utf16ToWindows1252(MapText(n)), map.text);
    }
}

TEST(ContentRecords, EveryPhraseHasOneToTenOthersRelatedAndTheSpareBitIsClear)
{
    const ContentData& data = Content();
    ASSERT_EQ(data.related.size(), 831u);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        const RelateRow& row = data.related[std::size_t(n - 1)];
        EXPECT_EQ(row[kRelateRowBytes - 1] & 0x01, 0);   // bit 832 names no phrase
        const std::vector<int> related = RelatedPhraseNumbers(row);
        EXPECT_GE(related.size(), 1u);
        EXPECT_LE(related.size(), 10u);
        for (int other : related)
            EXPECT_TRUE(other != n && other >= 1 && other <= 831) << other;
    }
}
