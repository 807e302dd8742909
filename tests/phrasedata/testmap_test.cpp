// The test-map loader's linked list.

#include "files.h"
#include "tempdir.h"
#include "tree.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

Bytes MapFileRecord(const std::u16string& a, const std::u16string& b, const std::u16string& c)
{
    Bytes record;
    for (const std::u16string* text : {&a, &b, &c}) {
        Bytes field = Utf16LE(*text);
        field.resize(200, 0);
        Append(record, field);
    }
    return record;
}

} // namespace

TEST(TestMap, LoadsRecordsIntoAListNumberedFromFirst)
{
    ScopedTempDir dir;
    std::filesystem::create_directories("My Documents/Test");
    Bytes file;
    for (int i = 0; i < 5; ++i)
        Append(file, MapFileRecord(u"a" + std::u16string(1, char16_t(u'0' + i)), u"b", u"c"));
    file.resize(file.size() - 1);   // the last record is torn
    WriteFile("My Documents/Test/map.txt", file);

    std::unique_ptr<MapNode> head;
    MapNode* tail = nullptr;
    LoadTestMap(head, tail, 1, 100);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->texts[0], u"a1");
    EXPECT_EQ(head->id, 1);
    EXPECT_EQ(tail->texts[0], u"a3");
    EXPECT_EQ(tail->id, 3);
    EXPECT_EQ(head->next->next.get(), tail);
    EXPECT_FALSE(tail->next);

    // A second load appends after the last node, numbering from its own first.
    LoadTestMap(head, tail, 0, 1);
    EXPECT_EQ(tail->texts[0], u"a0");
    EXPECT_EQ(tail->id, 0);
    EXPECT_EQ(head->next->next->next.get(), tail);
    EXPECT_EQ(testMapNodeCounter, 1u);
}

TEST(TestMap, MissingFileLeavesTheListAlone)
{
    ScopedTempDir dir;
    std::unique_ptr<MapNode> head;
    MapNode* tail = nullptr;
    LoadTestMap(head, tail, 0, 10);
    EXPECT_FALSE(head);
    EXPECT_EQ(tail, nullptr);
}

TEST(TestMap, UnterminatedTextsStayInsideTheirField)
{
    ScopedTempDir dir;
    std::filesystem::create_directories("My Documents/Test");
    WriteFile("My Documents/Test/map.txt", Bytes(600, 'x'));
    std::unique_ptr<MapNode> head;
    MapNode* tail = nullptr;
    LoadTestMap(head, tail, 0, 1);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->texts[2].size(), 100u);
}
