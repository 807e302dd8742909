// The committed files pass the start-up check, and the phrase files and the category map hold one well-formed record
// per phrase in the conventions their readers rely on.

#include "contentdata.h"

#include "codepage.h"
#include "datafilecheck.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ContentRecords, EveryFileHoldsOneWholeRecordPerPhraseAndTheStartUpCheckFindsNothingAmiss)
{
    for (const DataFileProblem& problem : CheckDataFiles(TESSALY_DATA_DIR))
        ADD_FAILURE() << problem.fileName << " " << Utf16ToUtf8(problem.fault);
}

TEST(ContentRecords, EveryPhraseIsNumberedKeyedTranslatedAndMappedAsTheReadersExpect)
{
    const ContentData& data = Content();
    ASSERT_TRUE(data.english.size() == 831 && data.french.size() == 831 && data.map.size() == 831);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        const std::u16string& english = data.english[std::size_t(n - 1)].text;
        const std::u16string& french = data.french[std::size_t(n - 1)].text;
        // The terminators lie inside the fields; only record 1 carries the byte-order
        // mark, which the readers drop there alone. Keys are checked through the window.
        EXPECT_TRUE(english.size() < PhraseRecord::kTextUnits && french.size() < TranslationRecord::kTextUnits);
        EXPECT_EQ(french.starts_with(u'\uFEFF'), n == 1);
        const std::u16string key = EnglishKey(n);
        EXPECT_TRUE(!key.empty() && key.front() != u' ' && key.back() != u' ' &&
                    std::all_of(key.begin(), key.end(), [](char16_t c) { return c >= 0x20 && c < 0x7F; }))
            << "empty, spaces at an end or not plain ASCII: " << Utf16ToUtf8(key);
        // The reader drops the last character as the line's carriage return:
        // anything else there would cut a letter off the translation.
        ASSERT_TRUE(french.size() >= 2 && french.back() == u'\r');
        const std::u16string shown = FrenchShown(n);
        EXPECT_EQ(shown.find_first_of(u"\r\n\t\uFEFF|"), std::u16string::npos) << Utf16ToUtf8(shown);
        EXPECT_NE(shown.find_first_of(u"?!:;"), 0u) << Utf16ToUtf8(shown);
        for (std::size_t i = 1; i < shown.size(); ++i) {
            const bool mark = std::u16string_view(u"?!:;").find(shown[i]) != std::u16string_view::npos;
            EXPECT_TRUE(!mark || std::u16string_view(u"?!\u00A0").find(shown[i - 1]) != std::u16string_view::npos)
                << "no no-break space before a mark: " << Utf16ToUtf8(shown);
        }
        const MapRecord& map = data.map[std::size_t(n - 1)];
        EXPECT_TRUE(map.text.size() < MapRecord::kTextBytes && map.variantCount >= 1);
        EXPECT_EQ(map.text.find('\n'), std::string::npos);
        EXPECT_EQ(Utf16ToWindows1252(MapText(n)), map.text);
    }
}
