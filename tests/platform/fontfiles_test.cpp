#include "platform/fontfiles.h"
#include "testapp.h"

#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::FontFiles;

namespace {
const char kSystemFont[] = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
}

TEST(FontFiles, AddingAgainCountsInsteadOfRegisteringAgainAndTheLastRemoveUnregisters)
{
    TestApp();
    if (!QFile::exists(kSystemFont))
        GTEST_SKIP() << "needs " << kSystemFont << " (package fonts-liberation)";
    QTemporaryDir dir;
    const QString file = dir.filePath("arial.ttf");
    ASSERT_TRUE(QFile::copy(kSystemFont, file));

    ASSERT_TRUE(FontFiles::Add(file));
    const int id = FontFiles::FontId(file);
    ASSERT_NE(id, -1);
    EXPECT_FALSE(QFontDatabase::applicationFontFamilies(id).isEmpty());

    // A second user (a paint, the about box) neither registers again...
    EXPECT_TRUE(FontFiles::Add(file));
    EXPECT_EQ(FontFiles::FontId(file), id);
    EXPECT_EQ(FontFiles::UseCount(file), 2);
    // ...nor takes the font from the first when it removes it.
    FontFiles::Remove(file);
    EXPECT_EQ(FontFiles::UseCount(file), 1);
    EXPECT_FALSE(QFontDatabase::applicationFontFamilies(id).isEmpty());

    FontFiles::Remove(file);
    EXPECT_EQ(FontFiles::UseCount(file), 0);
    EXPECT_EQ(FontFiles::FontId(file), -1);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).isEmpty());

    // A remove with nothing outstanding does not go below zero: the next Add
    // registers the file afresh.
    FontFiles::Remove(file);
    EXPECT_EQ(FontFiles::UseCount(file), 0);
    EXPECT_TRUE(FontFiles::Add(file));
    EXPECT_EQ(FontFiles::UseCount(file), 1);
    FontFiles::Remove(file);
}

TEST(FontFiles, AMissingFileFailsButStaysPairedAndOneNameIsOneFile)
{
    TestApp();
    QTemporaryDir dir;
    const QString file = dir.filePath("arial.ttf");
    EXPECT_FALSE(FontFiles::Add(file));
    EXPECT_EQ(FontFiles::UseCount(file), 1);
    EXPECT_EQ(FontFiles::FontId(file), -1);
    // The same file named another way is counted with it.
    EXPECT_FALSE(FontFiles::Add(dir.path() + "/./arial.ttf"));
    EXPECT_EQ(FontFiles::UseCount(file), 2);
    FontFiles::Remove(file);
    FontFiles::Remove(file);
    EXPECT_EQ(FontFiles::UseCount(file), 0);
}
