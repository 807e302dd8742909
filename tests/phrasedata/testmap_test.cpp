// The test-map loader's linked list.

#include "files.h"
#include "tempdir.h"
#include "tree.h"

#include <filesystem>
#include <gtest/gtest.h>

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
        for (const std::u16string text : {u"a" + std::u16string(1, char16_t(u'0' + i)), std::u16string(u"b"),
                                          std::u16string(100, u'x')}) {
            Bytes field = Utf16LE(text);   // the last text fills its field: no terminator
            field.resize(200, 0);
            Append(file, field);
        }
    }
    file.resize(file.size() - 1);   // the last record is torn
    WriteFile("My Documents/Test/map.txt", file);

    LoadTestMap(head, tail, 1, 100);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->texts[0], u"a1");
    EXPECT_EQ(head->id, 1);
    EXPECT_EQ(head->texts[2].size(), 100u);
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
