// The record formats at their edges, the code page, the text helpers and the test-map loader.

#include "citem.h"
#include "codepage.h"
#include "files.h"
#include "records.h"
#include "tempdir.h"
#include "text.h"
#include "tree.h"

#include <filesystem>
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

TEST(TestMap, LoadsWholeRecordsIntoAListNumberedFromFirst)
{
    ScopedTempDir dir;
    std::unique_ptr<MapNode> head;
    MapNode* tail = nullptr;
    LoadTestMap(head, tail, 0, 10);   // no file: the list stays empty
    EXPECT_FALSE(head);
    std::filesystem::create_directories("My Documents/Test");
    Bytes file;
    for (char16_t i = 0; i < 5; ++i) {
        for (Bytes field : {Utf16LE({u'a', char16_t(u'0' + i)}), Utf16LE(u"b"), Utf16LE(std::u16string(100, u'x'))}) {
            field.resize(200, 0);   // the last text fills its field: no terminator
            Append(file, field);
        }
    }
    file.pop_back();   // the last record is torn
    WriteFile("My Documents/Test/map.txt", file);
    LoadTestMap(head, tail, 1, 100);
    ASSERT_TRUE(head);
    EXPECT_EQ(std::tuple(head->texts[0], head->id, head->texts[2].size()), std::tuple(u"a1", 1, 100u));
    EXPECT_EQ(std::tuple(tail->texts[0], tail->id), std::tuple(u"a3", 3));
    EXPECT_TRUE(head->next->next.get() == tail && !tail->next);
    LoadTestMap(head, tail, 0, 1);   // a second load appends, numbering from its own first
    EXPECT_EQ(std::tuple(tail->texts[0], tail->id), std::tuple(u"a0", 0));
    EXPECT_EQ(head->next->next->next.get(), tail);
}
