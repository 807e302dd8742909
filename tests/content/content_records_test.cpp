// The phrase files and the category map hold one well-formed record per
// phrase, in the sizes and conventions their readers rely on.

#include "contentdata.h"

#include "codepage.h"
#include "text.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr char16_t kByteOrderMark = u'\uFEFF';
constexpr char16_t kNoBreakSpace = u'\u00A0';

std::string Utf8(std::u16string_view text)
{
    return Utf16ToUtf8(text);
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

TEST(ContentRecords, EnglishRecordsAreNumberedAndKeyedAsTheReadersExpect)
{
    const ContentData& data = Content();
    ASSERT_EQ(data.english.size(), 831u);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        const PhraseRecord& record = data.english[std::size_t(n - 1)];
        EXPECT_EQ(record.phraseNumber, n);
        // The terminator lies inside the field: a text of 60 units would have none.
        EXPECT_LT(record.text.size(), PhraseRecord::kTextUnits);
        // Only record 1 carries the byte-order mark, which the readers drop there alone.
        EXPECT_EQ(!record.text.empty() && record.text.front() == kByteOrderMark, n == 1);
        const std::u16string key = EnglishKey(n);
        ASSERT_FALSE(key.empty());
        EXPECT_NE(key.front(), u' ');
        EXPECT_NE(key.back(), u' ');
        for (char16_t c : key)
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "not plain ASCII: " << Utf8(key);
    }
}

TEST(ContentRecords, EnglishTextsAreUniqueIgnoringCaseAndBrackets)
{
    // Every phrase is found by its text, and a keyword search files all 831
    // at once: two equal keys would send one phrase to the other's translation.
    std::map<std::u16string, int> seen;
    for (int n = 1; n <= 831; ++n) {
        const auto [it, inserted] = seen.emplace(ToLower(StripBrackets(EnglishKey(n))), n);
        EXPECT_TRUE(inserted) << "phrase " << n << " repeats phrase " << it->second << ": " << Utf8(EnglishKey(n));
    }
}

TEST(ContentRecords, TranslationsEndWithTheirLineEndAndSpaceTheirPunctuation)
{
    const ContentData& data = Content();
    ASSERT_EQ(data.french.size(), 831u);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        const std::u16string& text = data.french[std::size_t(n - 1)].text;
        EXPECT_LT(text.size(), TranslationRecord::kTextUnits);
        EXPECT_EQ(!text.empty() && text.front() == kByteOrderMark, n == 1);
        // The reader drops the last character as the line's carriage return:
        // anything else there would cut a letter off the translation.
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.back(), u'\r');
        const std::u16string shown = FrenchShown(n);
        EXPECT_EQ(shown.find_first_of(u"\r\n\t\uFEFF|"), std::u16string::npos) << Utf8(shown);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (std::u16string_view(u"?!:;").find(shown[i]) == std::u16string_view::npos)
                continue;
            const bool afterMark = i > 0 && (shown[i - 1] == u'?' || shown[i - 1] == u'!');
            EXPECT_TRUE(afterMark || (i > 0 && shown[i - 1] == kNoBreakSpace))
                << "no no-break space before a mark: " << Utf8(shown);
        }
    }
}

TEST(ContentRecords, MapTextsFitTheirFieldInWindows1252)
{
    const ContentData& data = Content();
    ASSERT_EQ(data.map.size(), 831u);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        const MapRecord& record = data.map[std::size_t(n - 1)];
        EXPECT_LT(record.text.size(), MapRecord::kTextBytes);
        EXPECT_GE(record.variantCount, 1);
        EXPECT_EQ(record.text.find('\n'), std::string::npos);
        const std::u16string text = MapText(n);
        EXPECT_EQ(Utf16ToWindows1252(text), record.text);
        // A listed row's text must fit the window's 60-unit selection buffer.
        EXPECT_LT(EnglishKey(n).size(), 60u);
    }
}
